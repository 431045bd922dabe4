#include "shell/ui/setup_dlg_fonts.h"

#include "platform/codepage.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace shell {
namespace {

constexpr std::uint8_t kDefaultPitch = 0;
constexpr std::uint8_t kFixedPitch = 2;
constexpr std::uint8_t kShiftJisCharset = 128; // the platform's number for CP932 faces

// A record's height as pixels at our resolution: negative heights are character heights,
// positive ones cell heights, which Qt does not distinguish.
int PixelsOfRecord(const FontInfo& record) {
    const int ppi = record.pixelsPerInch > 0 ? record.pixelsPerInch : kFontRecordPixelsPerInch;
    const double pixels =
        std::abs(static_cast<double>(record.height)) * kFontRecordPixelsPerInch / ppi;
    return static_cast<int>(std::lround(pixels));
}

int PixelsOfFont(const QFont& font) {
    if (font.pixelSize() > 0) {
        return font.pixelSize();
    }
    return static_cast<int>(std::lround(font.pointSizeF() * kFontRecordPixelsPerInch / 72.0));
}

} // namespace

QFont FontOfRecord(const FontInfo& record, const QFont& base) {
    QFont font = base;
    if (!record.faceName.empty()) {
        font.setFamily(QString::fromStdString(platform::Cp932ToUtf8(record.faceName)));
    }
    if (const int pixels = PixelsOfRecord(record); pixels > 0) {
        font.setPixelSize(pixels);
    }
    font.setBold(record.style.bold);
    font.setItalic(record.style.italic);
    font.setUnderline(record.style.underline);
    font.setStrikeOut(record.style.strikeOut);
    font.setFixedPitch(record.pitch == kFixedPitch);
    return font;
}

FontInfo RecordOfFont(const QFont& font, const FontInfo& previous) {
    FontInfo record = previous;
    record.height = -PixelsOfFont(font);
    record.pixelsPerInch = kFontRecordPixelsPerInch;
    record.pitch = QFontInfo(font).fixedPitch() ? kFixedPitch : kDefaultPitch;
    record.style = {font.bold(), font.italic(), font.underline(), font.strikeOut()};
    record.faceName = platform::Utf8ToCp932(font.family().toStdString());
    return record;
}

FontChoice::FontChoice(const QString& name, const QFont& fallback, QWidget* parent)
    : QWidget(parent), fallback_(fallback), sample_(new QLabel(this)) {
    setObjectName(name);
    auto* change = new QPushButton("変更(&F)...", this);
    change->setObjectName("Button" + name);
    sample_->setFrameShape(QFrame::StyledPanel);
    sample_->setMinimumWidth(220);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sample_, 1);
    layout->addWidget(change);
    connect(change, &QPushButton::clicked, this, [this] { AskForFont(); });
    ShowSample();
}

void FontChoice::SetRecord(const std::optional<FontInfo>& record) {
    record_ = record;
    ShowSample();
}

QFont FontChoice::Font() const {
    return record_ ? FontOfRecord(*record_, fallback_) : fallback_;
}

void FontChoice::Choose(const QFont& font) {
    FontInfo first;
    first.charset = kShiftJisCharset; // a first record gets the set of the Japanese faces
    record_ = RecordOfFont(font, record_.value_or(first));
    ShowSample();
}

void FontChoice::AskForFont() {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, Font(), this, "フォントの選択");
    if (chosen) {
        Choose(font);
    }
}

void FontChoice::ShowSample() {
    const QFont font = Font();
    sample_->setFont(font);
    // The face the system actually uses, which for a face it lacks is a substitute.
    const QString text =
        QString("%1  %2 ピクセル").arg(QFontInfo(font).family()).arg(PixelsOfFont(font));
    sample_->setText(record_ ? text : text + "（標準）");
}

} // namespace shell
