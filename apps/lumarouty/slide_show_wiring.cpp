#include "apps/lumarouty/slide_show_wiring.h"

#include "shell/ui/file_list_model.h"
#include "viewer/slide_show.h"
#include "viewer/ui/slide_show_window.h"

#include <QMessageBox>
#include <vector>

namespace lumarouty {
namespace {

void RunSlideShow(TFormMain& form, const shell::LiveSettings& live) {
    std::vector<std::filesystem::path> listed;
    for (int row = 0; row < form.ListModel().rowCount(); ++row) {
        listed.push_back(form.ListModel().FileOf(row));
    }
    viewer::SlidePlan plan = viewer::PlanSlideShow(listed, form.SelectedFiles());
    if (plan.pictures.empty()) {
        QMessageBox::information(&form, "LumaroUty", "スライドショーで表示する画像がありません。");
        return;
    }
    viewer::SlideShowWindow window(std::move(plan), viewer::SlideInterval(live.tool.slideInterval),
                                   &form);
    window.ShowModal();
}

} // namespace

void WireSlideShow(TFormMain& form, const shell::LiveSettings& live) {
    form.SetCommandHandler(shell::MenuCommand::Slide, [&form, &live] { RunSlideShow(form, live); });
}

} // namespace lumarouty
