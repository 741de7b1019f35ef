#pragma once
#include <QDialog>
#include <QWidget>
#include <string>
#include <vector>

#include "editor/wizards/logic/shape_wizard.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace qzedit {

class MapDocument;

// pctPreview: the shape's lines on white, in its own pixels.
class ShapePreview : public QWidget {
    Q_OBJECT
public:
    explicit ShapePreview(QWidget* parent = nullptr);
    void setLines(std::vector<PreviewLine> lines);
    const std::vector<PreviewLine>& lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<PreviewLine> lines_;
};

// The shape wizard (caption "Shape Wizard"): a shape file of the program's shape folder, previewed
// and created at the insertion point. The list of files is read when the dialog is made.
class frmShapeWizard : public QDialog {
    Q_OBJECT
public:
    frmShapeWizard(MapDocument& document, const std::string& shapeFolder, QWidget* parent = nullptr);

private:
    void cmdPreview_Click();
    void cmdCreate_Click();

    MapDocument& document_;
    ShapeWizard wizard_;
    QComboBox* cmbShapes_;
    ShapePreview* pctPreview_;
};

}  // namespace qzedit
