#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace vg::installer {

// "Setup" (`TInstallForm`): the progress of the extraction, near the bottom
// right of the screen. It cannot be closed while it works.
class TInstallForm : public QDialog {
    Q_OBJECT
public:
    explicit TInstallForm(QWidget* parent = nullptr);

    void SetInfo(const QString& text);
    void SetPosition(int percent);
    void SetFailedCount(std::size_t count);
    int Position() const;
    QString Info() const;

    // left = screen width - width * 20 / 19, top = screen height - height * 4 / 3.
    static QPoint PlacementFor(const QSize& screen, const QSize& window);
    void PlaceOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QProgressBar* ProgressGauge;
    QLabel* InfoLabel;
    QLabel* FailureLabel;
};

}  // namespace vg::installer
