#include "commands/ui/executing_window.h"

#include "platform/codepage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace commands {

TFormExecuting::TFormExecuting(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Label1(new QLabel(this)), Label2(new QLabel(this)), Label3(new QLabel(this)),
      ProgressBar1(new QProgressBar(this)) {
    setWindowTitle("実行中");
    setModal(true);
    setMinimumWidth(420);
    for (QLabel* label : {Label1, Label2, Label3}) {
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(400);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addWidget(ProgressBar1);
}

void TFormExecuting::Start(int maximum) {
    Label1->clear();
    Label2->clear();
    Label3->clear();
    ProgressBar1->setRange(0, std::max(maximum, 1));
    ProgressBar1->setValue(0);
    finishing_ = false;
    show();
    Repaint();
}

void TFormExecuting::SetTexts(const std::string& action, const std::string& source,
                              const std::string& destination) {
    Label1->setText(QString::fromStdString(platform::Cp932ToUtf8(action)));
    Label2->setText(QString::fromStdString(platform::Cp932ToUtf8(source)));
    Label3->setText(QString::fromStdString(platform::Cp932ToUtf8(destination)));
    Repaint();
}

void TFormExecuting::Step() {
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    Repaint();
}

void TFormExecuting::Finish() {
    finishing_ = true;
    hide();
}

void TFormExecuting::closeEvent(QCloseEvent* event) {
    if (!finishing_) {
        event->ignore();
    }
}

// Escape would close a dialog; a run cannot be cancelled from here.
void TFormExecuting::keyPressEvent(QKeyEvent* event) { event->ignore(); }

// The run works on the interface thread; let the window show what changed.
void TFormExecuting::Repaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace commands
