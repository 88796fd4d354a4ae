#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Drives modal dialogs from a timer: the test arms it, then calls the code that runs exec();
// when a modal widget of type T (with `windowTitle`, when given) appears, `action` runs once with
// it (fill fields, accept...).
template <typename T>
class ModalDriver final
{
public:
    explicit ModalDriver(std::function<void(T*)> action, const QString& windowTitle = QString(),
                         int timeoutMs = 10000)
        : state(std::make_shared<State>())
    {
        state->action = std::move(action);
        state->title = windowTitle;
        state->timer = new QTimer;
        state->timer->setInterval(10);
        auto weak = std::weak_ptr<State>(state);
        QObject::connect(state->timer, &QTimer::timeout, state->timer, [weak, timeoutMs]() {
            auto s = weak.lock();
            if (!s)
                return;
            s->waitedMs += 10;
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                if (dialog != s->lastSeen
                    && (s->title.isEmpty() || dialog->windowTitle() == s->title)) {
                    s->lastSeen = dialog;
                    s->timer->stop();
                    ++s->handled;
                    s->action(dialog);
                    return;
                }
            }
            if (s->waitedMs > timeoutMs)
                s->timer->stop();
        });
        state->timer->start();
    }

    ~ModalDriver() { delete state->timer; }

    int handled() const { return state->handled; }

private:
    struct State
    {
        std::function<void(T*)> action;
        QString title;
        QTimer* timer = nullptr;
        QPointer<QWidget> lastSeen;
        int waitedMs = 0;
        int handled = 0;
    };
    std::shared_ptr<State> state;
};
