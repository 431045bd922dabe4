#pragma once

// Answers every window of a type as soon as it is shown, the way a user would, so that a modal
// window opened deep inside a command can be driven from the test.

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace fixture {

template <typename Window> class WindowAnswer : public QObject {
public:
    explicit WindowAnswer(std::function<void(Window&)> answer) : answer_(std::move(answer)) {
        qApp->installEventFilter(this);
    }
    ~WindowAnswer() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = dynamic_cast<Window*>(watched);
        if (event->type() == QEvent::Show && window != nullptr) {
            ++shown;
            QTimer::singleShot(0, window, [this, window = QPointer<Window>(window)] {
                if (window) {
                    answer_(*window);
                }
            });
        }
        return false;
    }

private:
    std::function<void(Window&)> answer_;
};

} // namespace fixture
