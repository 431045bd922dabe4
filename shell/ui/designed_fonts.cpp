#include "shell/ui/designed_fonts.h"

#include <QStringList>

namespace shell {
namespace {

constexpr int kDesignedPixels = 12;

// Free Japanese faces with the same metrics family: the fixed-pitch one keeps the detail
// pane's full-width fillers and half-width values in columns.
const QStringList kFixedStandIns{"IPAGothic", "Noto Sans Mono CJK JP", "VL Gothic", "TakaoGothic"};
const QStringList kProportionalStandIns{"IPAPGothic", "Noto Sans CJK JP", "VL PGothic",
                                        "TakaoPGothic"};

QFont Designed(const QString& family, bool fixedPitch) {
    QFont font(family);
    font.setPixelSize(kDesignedPixels);
    font.setFixedPitch(fixedPitch);
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}

} // namespace

void SubstituteDesignedFonts() {
    for (const QString& fixed : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic")}) {
        if (QFont::substitutes(fixed).isEmpty()) {
            QFont::insertSubstitutions(fixed, kFixedStandIns);
        }
    }
    for (const QString& proportional :
         {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic")}) {
        if (QFont::substitutes(proportional).isEmpty()) {
            QFont::insertSubstitutions(proportional, kProportionalStandIns);
        }
    }
}

QFont DesignedListFont() {
    return Designed(QStringLiteral("ＭＳ Ｐゴシック"), false);
}

QFont DesignedDetailFont() {
    return Designed(QStringLiteral("ＭＳ ゴシック"), true);
}

} // namespace shell
