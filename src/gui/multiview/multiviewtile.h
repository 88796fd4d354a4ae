#pragma once

#include <QFrame>

class QLabel;
class QStackedWidget;

// One tile of the multi-view: a caption line (channel, what runs now, the tile's status) above
// the picture, a frame when it has the focus, and a message page instead of the picture while
// the tile is empty or refused. Channels dropped on it are announced, not played: the area's
// owner decides.
class MultiViewTile final : public QFrame
{
    Q_OBJECT

public:
    MultiViewTile(int index, QWidget* parent);

    int index() const { return tileIndex; }
    // The native widget the tile's player draws into. A surface handed in (the normal player's)
    // is given back with takeSurface().
    QWidget* surface() const { return videoSurface; }
    void setSurface(QWidget* surface);
    QWidget* takeSurface();

    void setFocused(bool focused);
    bool isFocusedTile() const { return focusedTile; }
    void setCaption(const QString& channel, const QString& now);
    void setStatus(const QString& status);
    // The picture, or a message in its place.
    void showPicture();
    void showMessage(const QString& message);
    QString captionText() const;
    QString statusText() const;
    QString messageText() const;
    bool showsPicture() const;

signals:
    void clicked(int index);
    void doubleClicked(int index);
    void channelDropped(int index, const QByteArray& channel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int tileIndex = 0;
    bool focusedTile = false;
    bool dropping = false;
    QLabel* caption = nullptr;
    QLabel* status = nullptr;
    QStackedWidget* pages = nullptr;
    QWidget* videoSurface = nullptr;
    QWidget* ownSurface = nullptr;
    QLabel* message = nullptr;
};
