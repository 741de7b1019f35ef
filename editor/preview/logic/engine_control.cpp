#include "editor/preview/logic/engine_control.h"

#include <filesystem>

#include "editor/preview/logic/shared_library.h"
#include "editor/preview/logic/text_argument.h"
#include "platform/files.h"
#include "platform/gdi.h"

namespace qzedit {

namespace {

int16_t low16(int32_t value) { return static_cast<int16_t>(value); }

using ByNumber = int32_t(int32_t*);
using ByTwoNumbers = int32_t(int32_t*, int32_t*);

}  // namespace

EngineControl::EngineControl(EngineBinding& engine, ControlPicture& picture, SharedLibrary& database,
                             SharedLibrary& interpreter)
    : engine_(engine), picture_(picture), database_(database), interpreter_(interpreter)
{
}

EngineControl::~EngineControl()
{
    if (memoryDC_ != 0) DeleteDC(memoryDC_);
}

int32_t EngineControl::qz3DInit(std::string& qzPathName, std::string& qzMapName, int32_t scrnWidth,
                                int32_t scrnHeight, int32_t, int32_t, int32_t, int32_t)
{
    width_ = scrnWidth;
    height_ = scrnHeight;
    picture_.setPictureSize(scrnWidth, scrnHeight);
    picture_.processEvents();
    const int32_t dc = picture_.pictureDC();
    qz::setCurrentDirectory(qzPathName);
    if (memoryDC_ == 0) memoryDC_ = CreateCompatibleDC(static_cast<qz::Handle>(dc));
    const std::string header = std::filesystem::path(qzMapName).is_absolute()
                                   ? qzMapName
                                   : qz::currentDirectory() + "/" + qzMapName;
    bitmap_ = engine_.initVaskell(dc, header, scrnWidth, scrnHeight);
    SelectObject(memoryDC_, static_cast<qz::Handle>(bitmap_));
    const int32_t copied = BitBlt(static_cast<qz::Handle>(dc), 0, 0, width_, height_, memoryDC_, 0, 0, qz::kSrcCopy);
    picture_.enableTimer();
    picture_.pictureChanged();
    return copied;
}

int32_t EngineControl::showFrame(int32_t dc)
{
    bitmap_ = engine_.drawQZ(dc);
    SelectObject(memoryDC_, static_cast<qz::Handle>(bitmap_));
    const int32_t copied = BitBlt(static_cast<qz::Handle>(dc), 0, 0, width_, height_, memoryDC_, 0, 0, qz::kSrcCopy);
    picture_.pictureChanged();
    return copied;
}

void EngineControl::qzRedraw() { showFrame(picture_.pictureDC()); }

int32_t EngineControl::qzMoveViewer(int32_t deltaX, int32_t deltaY, int32_t deltaZ)
{
    engine_.moveViewer(deltaX, deltaY, deltaZ);
    return 0;
}

int32_t EngineControl::qzTurnViewer(int32_t deltaD)
{
    engine_.turnViewer(deltaD);
    return 0;
}

int32_t EngineControl::qzJumpViewer(int32_t x, int32_t y, int32_t z, int32_t direction)
{
    engine_.jumpViewer(x, y, z, direction);
    return 0;
}

int32_t EngineControl::qzGetViewerAreaNum() { return engine_.findArea(); }

std::string EngineControl::qzGetViewerAreaName(int32_t areaIndex) { return engine_.findAreaName(areaIndex); }

int16_t EngineControl::qzHitInFront(int32_t value)
{
    engine_.hitInFront(value);
    return 0;
}

void EngineControl::qzFlush() { engine_.flushVaskell(); }

void EngineControl::qzShowBorder() { picture_.setBorderStyle(1); }

void EngineControl::qzHideBorder() { picture_.setBorderStyle(0); }

void EngineControl::zeRuravExecute()
{
    int32_t one = 1;
    std::string hello = "Hello";
    TextArgument text(hello);
    zeRuravOut = takeText(interpreter_.function<char*(int32_t*, char**)>("BASICEXECUTE")(&one, text.address()));
}

int32_t EngineControl::qzCreateDB(std::string& path, std::string& rootName, std::string& dbFields, int32_t numFields)
{
    TextArgument p(path), r(rootName), f(dbFields);
    return database_.function<int32_t(char**, char**, char**, int32_t*)>("QZCREATEDATABASE")(p.address(), r.address(), f.address(), &numFields);
}

int16_t EngineControl::qzOpenDB(std::string& path, std::string& rootName)
{
    TextArgument p(path), r(rootName);
    return low16(database_.function<int32_t(char**, char**)>("QZOPENDATABASE")(p.address(), r.address()));
}

int32_t EngineControl::qzCloseDB(int32_t dbNum)
{
    database_.function<ByNumber>("CLOSEDB")(&dbNum);
    return 0;
}

int32_t EngineControl::qzAddRecord(int32_t dbNum)
{
    database_.function<ByNumber>("QZADDRECORD")(&dbNum);
    return 0;
}

int16_t EngineControl::qzReadRecord(int32_t dbNum) { return low16(database_.function<ByNumber>("QZREADRECORD")(&dbNum)); }

int16_t EngineControl::qzUpdateRecord(int32_t dbNum)
{
    return low16(database_.function<ByNumber>("QZUPDATERECORD")(&dbNum));
}

int16_t EngineControl::qzDeleteRecord(int32_t dbNum, int32_t recnum)
{
    return low16(database_.function<ByTwoNumbers>("QZDELETERECORD")(&dbNum, &recnum));
}

int16_t EngineControl::qzGotoRecord(int32_t dbNum, int32_t recnum)
{
    return low16(database_.function<ByTwoNumbers>("QZGOTORECORD")(&dbNum, &recnum));
}

int32_t EngineControl::qzCurRecNum(int32_t dbNum) { return database_.function<ByNumber>("QZCURRECNUM")(&dbNum); }

int16_t EngineControl::qzBOF(int32_t dbNum) { return low16(database_.function<ByNumber>("QZBOF")(&dbNum)); }

int16_t EngineControl::qzEOF(int32_t dbNum) { return low16(database_.function<ByNumber>("QZEOF")(&dbNum)); }

int16_t EngineControl::qzMoveNext(int32_t dbNum) { return low16(database_.function<ByNumber>("QZMOVENEXT")(&dbNum)); }

int16_t EngineControl::qzMovePrevious(int32_t dbNum)
{
    return low16(database_.function<ByNumber>("QZMOVEPREVIOUS")(&dbNum));
}

int16_t EngineControl::qzFindFirst(int32_t dbNum, std::string& queryStr)
{
    TextArgument q(queryStr);
    return low16(database_.function<int32_t(int32_t*, char**)>("QZFINDFIRST")(&dbNum, q.address()));
}

int16_t EngineControl::qzFindNext(int32_t dbNum) { return low16(database_.function<ByNumber>("QZFINDNEXT")(&dbNum)); }

std::string EngineControl::qzGetFldVal(int32_t dbNum, std::string& fieldName)
{
    TextArgument f(fieldName);
    return takeText(database_.function<char*(int32_t*, char**)>("QZGETVAL")(&dbNum, f.address()));
}

std::string EngineControl::qzGetFldValIndex(int32_t dbNum, int32_t fieldNum)
{
    return takeText(database_.function<char*(int32_t*, int32_t*)>("QZGETVALINDEX")(&dbNum, &fieldNum));
}

int16_t EngineControl::qzSetFldVal(int32_t dbNum, std::string& fieldName, std::string& fieldValue)
{
    TextArgument f(fieldName), v(fieldValue);
    return low16(database_.function<int32_t(int32_t*, char**, char**)>("QZSETVAL")(&dbNum, f.address(), v.address()));
}

int16_t EngineControl::qzSetFldValIndex(int32_t dbNum, int32_t fieldNum, std::string& fieldValue)
{
    TextArgument v(fieldValue);
    return low16(database_.function<int32_t(int32_t*, int32_t*, char**)>("QZSETVALINDEX")(&dbNum, &fieldNum, v.address()));
}

int16_t EngineControl::qzEditRecord(int32_t)
{
    int32_t zero = 0;
    return low16(database_.function<ByNumber>("EDITRECORD")(&zero));
}

int32_t EngineControl::qzAddCreature(int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t EngineControl::qzMoveCreature(int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t EngineControl::qzSetCreaturePos(int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t EngineControl::qzDeleteCreature(int32_t) { return 0; }
int32_t EngineControl::qzFlushCreatures() { return 0; }
int32_t EngineControl::qzAddObject(int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t EngineControl::qzDeleteObject(int32_t) { return 0; }
int32_t EngineControl::qzGetAtPos(int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t EngineControl::qzSelectMap(int32_t) { return 0; }
int32_t EngineControl::qzShoot(int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t EngineControl::qzTablaOval(int32_t, int32_t, int32_t, int32_t) { return 0; }
void EngineControl::setWallTexture(int32_t, int32_t) {}

}  // namespace qzedit
