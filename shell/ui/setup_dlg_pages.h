#pragma once

// The pages of the settings dialog. Each shows its part of a copy of the settings and writes
// its controls back into one; nothing reaches the registry before the dialog's OK.

#include "shell/settings_live.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace shell {

class ColumnCheckList;
class FontChoice;

class SetupPage : public QWidget {
public:
    using QWidget::QWidget;
    virtual void ShowSettings(const LiveSettings& settings) = 0;
    virtual void StoreSettings(LiveSettings& settings) const = 0;
};

// Start folder: the folder of the last exit or the home folder.
class StartPage : public SetupPage {
public:
    explicit StartPage(QWidget* parent = nullptr);
    void ShowSettings(const LiveSettings& settings) override;
    void StoreSettings(LiveSettings& settings) const override;

private:
    void BrowseHomeFolder();

    QRadioButton* lastFolder_;
    QRadioButton* homeFolder_;
    QLineEdit* homeFolderPath_;
};

// A page whose heart is one column list: HTML and CSV have nothing else; the list and the
// detail pane add their own controls below it.
class ColumnsPage : public SetupPage {
public:
    ColumnsPage(const QString& listName, ColumnRows SetupSettings::*rows, const QString& purpose,
                QWidget* parent = nullptr);
    void ShowSettings(const LiveSettings& settings) override;
    void StoreSettings(LiveSettings& settings) const override;

    [[nodiscard]] ColumnCheckList& Columns() const { return *columns_; }

protected:
    // Adds a row of controls under the column list.
    void AddBelow(QWidget* controls);

private:
    ColumnRows SetupSettings::*rows_;
    ColumnCheckList* columns_;
};

// The columns of the file list, the thumbnail size and the list's font.
class ListPage : public ColumnsPage {
public:
    explicit ListPage(QWidget* parent = nullptr);
    void ShowSettings(const LiveSettings& settings) override;
    void StoreSettings(LiveSettings& settings) const override;

    [[nodiscard]] FontChoice& Font() const { return *font_; }

private:
    QRadioButton* thumb80_;
    QRadioButton* thumb160_;
    FontChoice* font_;
};

// The lines of the detail pane, the EXIF dump box and the pane's font.
class DetailPage : public ColumnsPage {
public:
    explicit DetailPage(QWidget* parent = nullptr);
    void ShowSettings(const LiveSettings& settings) override;
    void StoreSettings(LiveSettings& settings) const override;

    [[nodiscard]] FontChoice& Font() const { return *font_; }

private:
    QCheckBox* exifDump_;
    FontChoice* font_;
};

// The preview's size rule and fixed width, and the slide show's interval.
class ToolPage : public SetupPage {
public:
    explicit ToolPage(QWidget* parent = nullptr);
    void ShowSettings(const LiveSettings& settings) override;
    void StoreSettings(LiveSettings& settings) const override;

private:
    QRadioButton* standard_;
    QRadioButton* fixed_;
    QSpinBox* width_;
    QSpinBox* interval_;
};

} // namespace shell
