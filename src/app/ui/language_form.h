#pragma once

// The Languages dialog: the installed language files, the one in use drawn
// in bold; files are added and deleted, one is chosen, and OK stores the
// list in the "Languages" setting for the next start.

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

#include "app/language_list_model.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vg {

class TLanguageForm : public QDialog {
    Q_OBJECT
public:
    explicit TLanguageForm(QWidget* parent = nullptr);
    ~TLanguageForm() override;

    // Both lists from the setting; the selected entry becomes the selected
    // item and item 0 is highlighted.
    void Fill(const std::string& setting);
    void SetSelected(int index);
    int Selected() const { return model_->Selected(); }
    const TLanguageListModel& Model() const { return *model_; }

    // OK: the setting stored in the program options, the Language menu
    // rebuilt, the dialog closed, and the (untranslated) note that the
    // change applies from the next start.
    void OKStep();
    // "Add...": a file chosen in the open dialog (a test passes it directly).
    void AddLanguageFile(const QString& fileName);

    // What rebuilds the main window's Language menu.
    static void SetMenuBuilder(std::function<void()> builder);

    static constexpr int kHelpContext = 221;

private:
    void Highlighted(int row);
    void SelectButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void RefreshLists();

    QListWidget* LangListBox;
    QListWidget* HiddenListBox;
    QLabel* FileNameBar;
    QPushButton* SelectButton;
    QPushButton* AddButton;
    QPushButton* DeleteButton;
    std::unique_ptr<TLanguageListModel> model_;
};

}  // namespace vg
