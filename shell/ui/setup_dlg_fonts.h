#pragma once

// The font records of the file list and the detail pane as Qt fonts, and the row of the
// settings dialog that shows one of them and changes it with the font dialog.

#include "shell/settings_records.h"

#include <QFont>
#include <QWidget>
#include <optional>

class QLabel;

namespace shell {

// The resolution the records' heights refer to; Qt's pixel sizes are measured at it too.
inline constexpr std::int32_t kFontRecordPixelsPerInch = 96;

// The record's face, pixel height and style over `base`, which supplies whatever the record
// leaves open (a zero height, an empty face name).
[[nodiscard]] QFont FontOfRecord(const FontInfo& record, const QFont& base);

// The record of a font; colour and character set come from `previous`, which the font dialog
// does not change.
[[nodiscard]] FontInfo RecordOfFont(const QFont& font, const FontInfo& previous);

class FontChoice : public QWidget {
public:
    // `name` becomes the object name of the row, "Button" + name that of its change button;
    // `fallback` is the font shown while there is no record.
    FontChoice(const QString& name, const QFont& fallback, QWidget* parent = nullptr);

    void SetRecord(const std::optional<FontInfo>& record);
    // None until a record was stored or a font was chosen.
    [[nodiscard]] const std::optional<FontInfo>& Record() const { return record_; }
    [[nodiscard]] QFont Font() const;

    void Choose(const QFont& font);

private:
    void AskForFont();
    void ShowSample();

    QFont fallback_;
    std::optional<FontInfo> record_;
    QLabel* sample_;
};

} // namespace shell
