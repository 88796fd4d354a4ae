#pragma once

#include "lineup/guidechannels.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QSpinBox;
class QTreeWidget;

// "Guide Channel...": finds a channel of the guide by id or any of its names, with what runs
// on it now, and binds it to one of the server's channels; also the channel's time shift.
class GuideChannelDialog final : public QDialog
{
    Q_OBJECT

public:
    GuideChannelDialog(const QList<GuideChannelChoice>& channels, const QString& channelName,
                       const QString& boundId, int shiftMinutes, QWidget* parent);

    // The chosen guide channel's id; empty: the automatic match.
    QString chosenId() const;
    int shiftMinutes() const;

    QLineEdit* searchEdit = nullptr;
    QTreeWidget* list = nullptr;

private:
    void fill();

    QList<GuideChannelChoice> channels;
    QSpinBox* shift = nullptr;
    QString bound;
};
