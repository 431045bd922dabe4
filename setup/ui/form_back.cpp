#include "setup/ui/form_back.h"

#include "setup/program_version.h"
#include "setup/ui/setup_fonts.h"
#include "setup/ui/shown_text.h"
#include "setup/window_messages.h"

#include <QLabel>
#include <QResizeEvent>

namespace setup_ui {
namespace {

constexpr int kTitleMargin = 12;
constexpr int kShadowOffset = 2;
constexpr int kProductRight = 24;
constexpr int kProductBottom = 48;

QLabel* MakeLabel(QWidget* parent, const QFont& font, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

TfrmBack::TfrmBack(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmBack"));
    setFont(SetupFont());
    setWindowTitle(Utf8(setup::text::kBackgroundCaption) +
                   Utf8(setup::VersionText(setup::ProgramFileVersion())));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));
    setPalette(palette);

    lblBackTitle2 = MakeLabel(this, BackTitleFont(), Qt::blue);
    lblBackTitle1 = MakeLabel(this, BackTitleFont(), Qt::white);
    const QString product =
        Utf8(setup::text::kApplicationTitle) + "\n" + Utf8(setup::text::kMakersNotice);
    lblProductShadow = MakeLabel(this, ProductFont(), Qt::black);
    lblProduct = MakeLabel(this, ProductFont(), Qt::white);
    for (QLabel* label : {lblProductShadow, lblProduct}) {
        label->setText(product);
        label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        label->adjustSize();
    }
    setEnabled(false);
}

void TfrmBack::SetTitle(const QString& title) {
    lblBackTitle1->setText(title);
    lblBackTitle2->setText(title);
    PlaceLabels();
}

void TfrmBack::RunEnded() {
    setEnabled(true);
}

void TfrmBack::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceLabels();
    if (!resized_) {
        resized_ = true;
        emit firstResized();
    }
}

void TfrmBack::PlaceLabels() {
    const int titleWidth = width() - 2 * kTitleMargin;
    const int titleHeight = lblBackTitle1->sizeHint().height();
    lblBackTitle1->setGeometry(kTitleMargin, kTitleMargin, titleWidth, titleHeight);
    lblBackTitle2->setGeometry(kTitleMargin + kShadowOffset, kTitleMargin + kShadowOffset,
                               titleWidth, titleHeight);
    const QSize product = lblProduct->sizeHint();
    const QPoint corner(width() - kProductRight - product.width(),
                        height() - kProductBottom - product.height());
    lblProduct->setGeometry(QRect(corner, product));
    lblProductShadow->setGeometry(QRect(corner + QPoint(kShadowOffset, kShadowOffset), product));
}

} // namespace setup_ui
