#pragma once

// Filling the file list for a folder without freezing the window: worker threads read the
// files (shell::FillReading), and a short timer takes what they have read between repaints,
// so the status bar shows the progress as the files come in. Each file's EXIF block and decoded
// thumbnail are dropped before it is handed over; the items keep only their icons and texts.

#include "exif/summary_fields.h"
#include "shell/ui/file_list_model.h"

#include <QObject>
#include <QSize>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <vector>

namespace shell {

class FillReading;

class ListFill : public QObject {
    Q_OBJECT
public:
    explicit ListFill(QObject* parent = nullptr);
    ~ListFill() override;

    // Starts reading the folder's photo files with the values of `columns` and icons of the
    // large size; a fill under way is dropped. The busy cursor shows until the fill ends.
    void Start(const std::filesystem::path& folder, std::vector<exif::SummaryFieldId> columns,
               QSize largeIcon);
    // Drops the fill under way, if any, without Finished.
    void Cancel();
    [[nodiscard]] bool Running() const { return timer_.isActive(); }

    // After Finished: the items in list order, and why the folder could not be read ("" when
    // it could). Taking the items leaves none behind.
    [[nodiscard]] std::vector<FileListItem> TakeItems();
    [[nodiscard]] const QString& Error() const { return error_; }

signals:
    void Progressed(const QString& status);
    void Finished();

private:
    void TakeReadFiles();
    void End();

    struct BusyCursor;

    QTimer timer_;
    std::unique_ptr<FillReading> reading_;
    QIcon placeholder_;
    std::vector<FileListItem> items_;
    QString error_;
    std::unique_ptr<BusyCursor> busy_;
};

} // namespace shell
