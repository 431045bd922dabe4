#include "shell/ui/about_box.h"

#include "shell/shipped_files.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>

namespace shell {
namespace {

constexpr const char* kHelpFile = "LumaroUty.html";
constexpr const char* kMessageTitle = "LumaroUty";

class QtHelpDesktop : public HelpDesktop {
public:
    bool OpenDocument(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
    void ShowMessage(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, kMessageTitle, text);
    }
};

QLabel* Line(const QString& text, QWidget* parent, int pointSizeStep = 0, bool bold = false) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() + pointSizeStep);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

// The program's emblem: a camera in a few shapes.
QPixmap Emblem() {
    QPixmap picture(72, 56);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 70, 90));
    painter.drawRoundedRect(QRectF(14, 6, 20, 12), 3, 3);
    painter.drawRoundedRect(QRectF(4, 14, 64, 38), 7, 7);
    painter.setBrush(QColor(230, 230, 235));
    painter.drawEllipse(QPointF(36, 33), 16, 16);
    QRadialGradient glass(QPointF(32, 29), 14);
    glass.setColorAt(0, QColor(150, 200, 245));
    glass.setColorAt(1, QColor(30, 60, 120));
    painter.setBrush(glass);
    painter.drawEllipse(QPointF(36, 33), 12, 12);
    painter.setBrush(QColor(255, 200, 80));
    painter.drawEllipse(QPointF(58, 22), 3, 3);
    return picture;
}

} // namespace

QString ProgramVersion() {
    return QStringLiteral(LUMARO_VERSION);
}

std::unique_ptr<QDialog> MakeAboutBox(QWidget* parent) {
    auto box = std::make_unique<QDialog>(parent);
    box->setObjectName("AboutBox");
    box->setWindowTitle("バージョン情報");
    auto* layout = new QVBoxLayout(box.get());
    layout->setContentsMargins(32, 24, 32, 16);
    layout->setSpacing(8);
    auto* emblem = new QLabel(box.get());
    emblem->setPixmap(Emblem());
    emblem->setAlignment(Qt::AlignHCenter);
    layout->addWidget(emblem);
    layout->addWidget(Line("Lumaroユーティリティ", box.get(), 6, true));
    layout->addWidget(Line("LumaroUty バージョン " + ProgramVersion(), box.get()));
    layout->addSpacing(8);
    layout->addWidget(
        Line("デジタルカメラの写真ファイルとEXIF情報のためのユーティリティ", box.get()));
    layout->addWidget(Line("Copyright © 2000-2026 Hestrom. All rights reserved.", box.get()));
    layout->addSpacing(8);
    auto* buttons = new QDialogButtonBox(box.get());
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, box.get(), &QDialog::accept);
    layout->addWidget(buttons, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return box;
}

void ShowAboutBox(QWidget* parent) {
    MakeAboutBox(parent)->exec();
}

QStringList HelpDocumentCandidates(const QString& programFolder) {
    QStringList candidates;
    for (const std::filesystem::path& candidate :
         ShippedFileCandidates(QFile::encodeName(programFolder).toStdString(),
                               std::filesystem::path(LUMARO_HELP_DIR) / kHelpFile)) {
        candidates << QFile::decodeName(QByteArray::fromStdString(candidate.string()));
    }
    return candidates;
}

void OpenHelp(QWidget* parent, HelpDesktop& desktop, const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        if (!QFileInfo(candidate).isFile()) {
            continue;
        }
        const QString path = QFileInfo(candidate).canonicalFilePath();
        if (!desktop.OpenDocument(path)) {
            desktop.ShowMessage(parent, QString("ヘルプ文書 %1 を開けません。\n"
                                                "HTMLを表示できるプログラムがありません。")
                                            .arg(QDir::toNativeSeparators(path)));
        }
        return;
    }
    const QString expected = candidates.isEmpty() ? QString(kHelpFile) : candidates.front();
    desktop.ShowMessage(parent, QString("ヘルプ文書 %1 が見つかりません。")
                                    .arg(QDir::toNativeSeparators(QDir::cleanPath(expected))));
}

void OpenHelp(QWidget* parent) {
    QtHelpDesktop desktop;
    OpenHelp(parent, desktop, HelpDocumentCandidates(QCoreApplication::applicationDirPath()));
}

} // namespace shell
