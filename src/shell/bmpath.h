// The bitmap-folder dialog: the user picks the folder that holds the figure
// and photo bitmaps. "&Ok" sets BmpPath and stores it in bmpath.txt with the
// cost region and the units.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vesk {

class BMPath : public QDialog {
    Q_OBJECT
public:
    explicit BMPath(QWidget* parent = nullptr);

    // Shows `folder` in the folder list and in LbPath; false (nothing changed)
    // when it is not an existing folder.
    bool setFolder(const QString& folder);
    // The folder shown, in the platform's form, without a trailing separator.
    QString folder() const;

private:
    void driveChanged(int index);
    void browse();
    void useDefault();
    void accept() override;

    QComboBox* drive_ = nullptr;
    QLineEdit* dir_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLabel* path_ = nullptr;
};

}  // namespace vesk
