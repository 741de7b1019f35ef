#pragma once
#include <QDialog>

#include "editor/wizards/logic/room_wizard.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace qzedit {

class MapDocument;

// The room wizard (caption "Room Wizard"): a room, empty or with pillars and columns, at the
// insertion point. Created once and hidden after Finish or Cancel, keeping what was typed.
class frmRoomWizard : public QDialog {
    Q_OBJECT
public:
    frmRoomWizard(MapDocument& document, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    void cmdOK_Click();
    void toWizard();
    void fromWizard();

    MapDocument& document_;
    RoomWizard wizard_;
    QListWidget* List1_;
    QCheckBox* chkNewMap_;
    QLineEdit* txtStartX_;
    QLineEdit* txtStartY_;
    QLineEdit* txtNumSides_;
    QLineEdit* txtSideLen_;
    QLineEdit* txtNumPillars_;
    QLineEdit* txtNumPillarSides_;
    QLineEdit* txtNumColumns_;
    QLineEdit* txtCeilingHeight_;
};

}  // namespace qzedit
