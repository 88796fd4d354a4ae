#include "multiview/channeldrag.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QPointer>

#include <utility>

namespace {
class DragStarter final : public QObject
{
public:
    DragStarter(QAbstractScrollArea* view, channeldrag::ChannelAt channelAt)
        : QObject(view->viewport())
        , view(view)
        , channelAt(std::move(channelAt))
    {
        view->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        Q_UNUSED(watched);
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            armed = mouse->button() == Qt::LeftButton;
            pressedAt = mouse->position().toPoint();
            break;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!armed || !(mouse->buttons() & Qt::LeftButton) ||
                (mouse->position().toPoint() - pressedAt).manhattanLength() <
                    QApplication::startDragDistance())
                break;
            armed = false;
            const std::optional<channelmime::Channel> channel = channelAt(pressedAt);
            if (!channel)
                break;
            auto* drag = new QDrag(view);
            drag->setMimeData(channelmime::mimeData(*channel));
            drag->exec(Qt::CopyAction);
            return true;
        }
        case QEvent::MouseButtonRelease:
            armed = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPointer<QAbstractScrollArea> view;
    channeldrag::ChannelAt channelAt;
    QPoint pressedAt;
    bool armed = false;
};
} // namespace

namespace channeldrag {

void enable(QAbstractScrollArea* view, ChannelAt channelAt)
{
    new DragStarter(view, std::move(channelAt));
}

} // namespace channeldrag
