#pragma once
#include <cstdint>
#include <string>

#include "editor/preview/logic/engine_binding.h"

namespace qzedit {

class SharedLibrary;

// What the engine control asks of its picture box and timer.
class ControlPicture {
public:
    virtual ~ControlPicture() = default;
    // The picture box's device context, fetched anew before every draw.
    virtual int32_t pictureDC() = 0;
    virtual void setPictureSize(int32_t width, int32_t height) = 0;
    virtual void processEvents() = 0;
    // 1: fixed single border; 0: none.
    virtual void setBorderStyle(int style) = 0;
    virtual void enableTimer() = 0;
    virtual void pictureChanged() = 0;
};

// The engine control's behaviour: starts the engine on its picture box, moves the viewer,
// redraws and releases the engine; passes the database and interpreter calls on to their
// libraries; and keeps the placeholders of a wider game interface, which do nothing.
class EngineControl {
public:
    static constexpr int16_t kVersion = 150;

    // database and interpreter: the record database zuRA and the BASIC interpreter ZERurav.
    EngineControl(EngineBinding& engine, ControlPicture& picture, SharedLibrary& database, SharedLibrary& interpreter);
    virtual ~EngineControl();
    EngineControl(const EngineControl&) = delete;
    EngineControl& operator=(const EngineControl&) = delete;

    // ---- properties: none is read by the control's own methods ----
    std::string zeRuravIn;
    std::string zeRuravOut;
    int16_t qzShowMap = 0;
    int32_t qzMapX = 480;
    int32_t qzMapY = 0;
    int32_t qzShootX = 0, qzShootY = 0, qzShootType = 0;
    int32_t viewerHeight = 0, viewerWidth = 0;
    int16_t gravity = 0;

    // ---- the engine ----
    // Starts the engine on the header qzMapName in the folder qzPathName (an absolute qzMapName is
    // taken as it is) with a frame of scrnWidth x scrnHeight; the last four are not used. Returns
    // the result of the first frame's block transfer.
    int32_t qz3DInit(std::string& qzPathName, std::string& qzMapName, int32_t scrnWidth, int32_t scrnHeight,
                     int32_t unused1 = 0, int32_t unused2 = 0, int32_t unused3 = 0, int32_t unused4 = 0);
    void qzRedraw();
    int32_t qzMoveViewer(int32_t deltaX, int32_t deltaY, int32_t deltaZ);
    int32_t qzTurnViewer(int32_t deltaD);
    int32_t qzJumpViewer(int32_t x, int32_t y, int32_t z, int32_t direction);
    int32_t qzGetViewerAreaNum();
    std::string qzGetViewerAreaName(int32_t areaIndex);
    int16_t qzHitInFront(int32_t value);
    void qzFlush();
    int16_t qzVersion() const { return kVersion; }
    void qzShowBorder();
    void qzHideBorder();

    // ---- the BASIC interpreter ----
    void zeRuravExecute();

    // ---- the record database: strings go by reference and come back as the library left them ----
    int32_t qzCreateDB(std::string& path, std::string& rootName, std::string& dbFields, int32_t numFields);
    int16_t qzOpenDB(std::string& path, std::string& rootName);
    int32_t qzCloseDB(int32_t dbNum);
    int32_t qzAddRecord(int32_t dbNum);
    int16_t qzReadRecord(int32_t dbNum);
    int16_t qzUpdateRecord(int32_t dbNum);
    int16_t qzDeleteRecord(int32_t dbNum, int32_t recnum);
    int16_t qzGotoRecord(int32_t dbNum, int32_t recnum);
    int32_t qzCurRecNum(int32_t dbNum);
    int16_t qzBOF(int32_t dbNum);
    int16_t qzEOF(int32_t dbNum);
    int16_t qzMoveNext(int32_t dbNum);
    int16_t qzMovePrevious(int32_t dbNum);
    int16_t qzFindFirst(int32_t dbNum, std::string& queryStr);
    int16_t qzFindNext(int32_t dbNum);
    std::string qzGetFldVal(int32_t dbNum, std::string& fieldName);
    std::string qzGetFldValIndex(int32_t dbNum, int32_t fieldNum);
    int16_t qzSetFldVal(int32_t dbNum, std::string& fieldName, std::string& fieldValue);
    int16_t qzSetFldValIndex(int32_t dbNum, int32_t fieldNum, std::string& fieldValue);
    int16_t qzEditRecord(int32_t unused);

    // ---- placeholders of a wider game interface: they accept anything and change nothing ----
    int32_t qzAddCreature(int32_t creature, int32_t x, int32_t y, int32_t z, int32_t angle);
    int32_t qzMoveCreature(int32_t creature, int32_t x, int32_t y, int32_t z, int32_t angle);
    int32_t qzSetCreaturePos(int32_t creature, int32_t x, int32_t y, int32_t z, int32_t angle);
    int32_t qzDeleteCreature(int32_t creature);
    int32_t qzFlushCreatures();
    int32_t qzAddObject(int32_t object, int32_t x, int32_t y, int32_t z, int32_t angle);
    int32_t qzDeleteObject(int32_t object);
    int32_t qzGetAtPos(int32_t x, int32_t y, int32_t z, int32_t angle);
    int32_t qzSelectMap(int32_t map);
    int32_t qzShoot(int32_t x, int32_t y, int32_t z, int32_t angle);
    int32_t qzTablaOval(int32_t x, int32_t y, int32_t z, int32_t angle);
    void setWallTexture(int32_t wall, int32_t texture);

    // The control's own state, for its window and for tests.
    int32_t frameWidth() const { return width_; }
    int32_t frameHeight() const { return height_; }
    int32_t frameBitmap() const { return bitmap_; }
    bool hasMemoryContext() const { return memoryDC_ != 0; }

private:
    int32_t showFrame(int32_t dc);

    EngineBinding& engine_;
    ControlPicture& picture_;
    SharedLibrary& database_;
    SharedLibrary& interpreter_;
    int32_t width_ = 0, height_ = 0;
    uint32_t memoryDC_ = 0;
    int32_t bitmap_ = 0;
};

}  // namespace qzedit
