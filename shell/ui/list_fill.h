#pragma once

// Filling the file list for a folder without freezing the window: the folder is listed and
// sorted, and its rows made, on a thread of the pool; the rows go into the list at once, and
// worker threads read each file's values (shell::FillReading) while a short timer puts what
// they have read into the rows between repaints, so the status bar shows the progress as the
// files come in. Icons are not the fill's work: the list reads them for the rows on screen.

#include "exif/summary_fields.h"
#include "shell/ui/file_list_model.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <future>
#include <memory>
#include <vector>

namespace shell {

class FillReading;

class ListFill : public QObject {
    Q_OBJECT
public:
    // Fills the rows of `model`, which keeps its columns and icon size.
    explicit ListFill(FileListModel& model, QObject* parent = nullptr);
    ~ListFill() override;

    // Starts listing the folder's photo files and reading the values of `columns`; a fill under
    // way is dropped. The busy cursor shows until the fill ends.
    void Start(const std::filesystem::path& folder, std::vector<exif::SummaryFieldId> columns);
    // Drops the fill under way, if any, without Finished.
    void Cancel();
    [[nodiscard]] bool Running() const { return timer_.isActive(); }

    // After Finished: why the folder could not be read ("" when it could).
    [[nodiscard]] const QString& Error() const { return error_; }

signals:
    void Progressed(const QString& status);
    // The rows are in the list, their values still to come.
    void RowsListed();
    // The rows first to last have their values.
    void RowsRead(int first, int last);
    void Finished();

private:
    void Look();
    void TakeListing();
    void TakeReadFiles();
    void End();

    struct BusyCursor;
    struct Listed {
        std::vector<std::string> names;
        std::vector<FileListItem> items;
    };
    [[nodiscard]] static Listed List(const std::filesystem::path& folder);

    FileListModel& model_;
    QTimer timer_;
    std::filesystem::path folder_;
    std::vector<exif::SummaryFieldId> columns_;
    std::future<Listed> listing_;
    std::unique_ptr<FillReading> reading_;
    QString error_;
    std::unique_ptr<BusyCursor> busy_;
};

} // namespace shell
