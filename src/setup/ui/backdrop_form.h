#pragma once

#include <QWidget>

class QLabel;

namespace vg::installer {

// The backdrop behind setup's pages (`TMainForm`): maximised, fading from
// blue at the top to black at the bottom in 128 bands, with the program's
// picture, its name and version, and an information line at the bottom.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    // The colour of band i (0..127): blue 210 - i * 210 / 128.
    static QColor BandColor(int band);
    // The rows of band i for a client height h: h * i / 128 up to h * (i + 1) / 128.
    static int BandTop(int band, int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceLabels();

    QLabel* GraphImage;
    QLabel* TitleLabel;
    QLabel* VersionLabel;
    QLabel* InfoLabel;
};

}  // namespace vg::installer
