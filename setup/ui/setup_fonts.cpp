#include "setup/ui/setup_fonts.h"

#include <QStringList>

namespace setup_ui {
namespace {

constexpr int kDesignedPixels = 12;
constexpr int kTitlePixels = 32;
constexpr int kProductPixels = 18;

const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kSerif = QStringLiteral("Times New Roman");

} // namespace

void SubstituteSetupFonts() {
    if (QFont::substitutes(kGothic).isEmpty()) {
        QFont::insertSubstitutions(
            kGothic, {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")});
    }
    if (QFont::substitutes(kSerif).isEmpty()) {
        QFont::insertSubstitutions(
            kSerif, {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    }
}

QFont SetupFont() {
    SubstituteSetupFonts();
    QFont font(kGothic);
    font.setPixelSize(kDesignedPixels);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont BackTitleFont() {
    QFont font = SetupFont();
    font.setPixelSize(kTitlePixels);
    font.setItalic(true);
    font.setBold(true);
    return font;
}

QFont ProductFont() {
    SubstituteSetupFonts();
    QFont font(kSerif);
    font.setPixelSize(kProductPixels);
    font.setItalic(true);
    font.setBold(true);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace setup_ui
