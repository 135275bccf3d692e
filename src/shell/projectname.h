// The project-name dialog: edits ProjName, and keeps a default name in
// defname.txt for later projects.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace vesk {

class ProjectName : public QDialog {
    Q_OBJECT
public:
    explicit ProjectName(QWidget* parent = nullptr);

private:
    void saveDefault();
    void useDefault();
    void accept() override;

    QLineEdit* name_ = nullptr;
    QLabel* default_ = nullptr;
};

}  // namespace vesk
