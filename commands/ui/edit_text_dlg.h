#pragma once

// The title and comment dialogs: one edit box whose text OK writes into every selected JPEG
// file, limited to the room the first selected JPEG file has for it.

#include "commands/edit_batch.h"
#include "commands/text_tag_edit.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace commands {

class Cp932LengthValidator;

class TEditTextDlg : public QDialog {
    Q_OBJECT
public:
    // The preparation step: the first selected JPEG file's value, and the edit limit.
    void Prepare();
    // What OK ran; nothing before.
    [[nodiscard]] const std::optional<BatchReport>& Report() const { return report_; }

    QLabel* Label1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    TEditTextDlg(TextTag tag, Selection files, EditPorts ports, QWidget* parent);
    QLineEdit* TextEdit() const { return edit_; }

private:
    void OKBtnClick();

    TextTag tag_;
    Selection files_;
    EditPorts ports_;
    QLineEdit* edit_;
    Cp932LengthValidator* limit_;
    std::optional<BatchReport> report_;
};

// "画像タイトル修正": ImageDescription.
class TEditTitleDlg : public TEditTextDlg {
    Q_OBJECT
public:
    TEditTitleDlg(Selection files, EditPorts ports, QWidget* parent = nullptr);
    QLineEdit* EditTitle;
};

// "コメント修正": UserComment.
class TEditCommentDlg : public TEditTextDlg {
    Q_OBJECT
public:
    TEditCommentDlg(Selection files, EditPorts ports, QWidget* parent = nullptr);
    QLineEdit* EditComment;
};

} // namespace commands
