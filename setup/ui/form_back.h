#pragma once

// The background window: maximised, teal, with the big title of the run and the product label
// in the bottom-right corner. It stays disabled until the run ends; its first resize is the
// moment the main window appears over it.

#include <QWidget>

class QLabel;

namespace setup_ui {

class TfrmBack : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBack(QWidget* parent = nullptr);

    // The setup or uninstall title, shown big.
    void SetTitle(const QString& title);
    // The run is over: the window is enabled again.
    void RunEnded();

    QLabel* lblBackTitle1; // white, over
    QLabel* lblBackTitle2; // blue, 2 pixels lower right
    QLabel* lblProduct;
    QLabel* lblProductShadow;

signals:
    // Sent once, at the first resize.
    void firstResized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceLabels();
    bool resized_ = false;
};

} // namespace setup_ui
