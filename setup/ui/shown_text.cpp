#include "setup/ui/shown_text.h"

#include "platform/codepage.h"

namespace setup_ui {

QString Shown(std::string_view cp932) {
    QString text = QString::fromStdString(platform::Cp932ToUtf8(cp932));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString Utf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString Breakable(const QString& text) {
    QString breakable = text;
    breakable.replace(QLatin1Char('\\'), QStringLiteral("\\\u200B"));
    return breakable;
}

std::string EngineText(const QString& text) {
    return platform::Utf8ToCp932(text.toStdString());
}

} // namespace setup_ui
