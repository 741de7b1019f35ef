#pragma once
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "editor/edit/texture_choice.h"
#include "editor/shell/logic/property_grid.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace qzedit {

// The property grid window `frmProperties` (caption "Properties"): shows the grid logic's rows and
// passes clicks, typing, OK (Enter) and X (Esc) to it. The side editor bears the same caption.
class PropertyGridWindow : public QWidget {
    Q_OBJECT
public:
    explicit PropertyGridWindow(QWidget* parent = nullptr);

    PropertyGrid& grid() { return grid_; }
    void focusValueBox();
    // The picture beside a texture number (in the narrow third column of the texture rows).
    using Swatches = std::function<QPixmap(TextureField field, int32_t number)>;
    void setSwatches(Swatches swatches);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void pressOK();
    void pressCancel();

    PropertyGrid grid_;
    QLabel* lblSelType_;
    QTableWidget* grdProps_;
    QComboBox* txtValue_;
    QPushButton* cmdOK_;
    QPushButton* cmdCancel_;
    bool refreshing_ = false;
    Swatches swatches_;
};

}  // namespace qzedit
