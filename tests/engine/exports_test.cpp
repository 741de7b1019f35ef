#include <dlfcn.h>

#include <filesystem>

#include "platform/automation_strings.h"
#include "tests/support/engine_files.h"

// The exported interface as a host sees it: QZ3D15.so loaded by name, its functions found by
// their upper-case names and called with every argument by reference.
namespace enginetest {
namespace {

class ExportsTest : public EngineTest {
protected:
    ExportsTest() : library_(dlopen(QZ_ENGINE_LIBRARY, RTLD_NOW | RTLD_LOCAL)) {}
    ~ExportsTest() override
    {
        if (library_) dlclose(library_);
    }
    void* symbol(const char* name) const { return library_ ? dlsym(library_, name) : nullptr; }
    template <typename Fn>
    Fn* function(const char* name) const
    {
        return reinterpret_cast<Fn*>(symbol(name));
    }

    void* library_;
};

using NoArgs = int32_t();
using OneArg = int32_t(int32_t*);
using TwoArgs = int32_t(int32_t*, int32_t*);
using ThreeArgs = int32_t(int32_t*, int32_t*, int32_t*);
using FourArgs = int32_t(int32_t*, int32_t*, int32_t*, int32_t*);
using FiveArgs = int32_t(int32_t*, int32_t*, int32_t*, int32_t*, int32_t*);
using SixArgs = int32_t(int32_t*, int32_t*, int32_t*, int32_t*, int32_t*, int32_t*);
using Init = int32_t(int32_t*, char**, int32_t*, int32_t*);
using AreaName = char*(int32_t*);

TEST_F(ExportsTest, OnlyTheExportsAreVisible)
{
    ASSERT_NE(library_, nullptr) << dlerror();
    for (const char* name : {"INITVASKELL", "DRAWQZ", "MOVEVIEWER", "TURNVIEWER", "FORWARD", "JUMPVIEWER", "FINDAREA",
                             "FINDAREANAME", "SETWALLTXR", "FLUSHVASKELL", "ADDCEILING", "ADDDOOR", "ADDOBJECT",
                             "ADDWALL", "DELETECEILING", "DELETEDOOR", "DELETEOBJ", "DELETEWALL",
                             "SETCHARACTERPOSITION", "SETCREATUREPOSITION", "SETFLOORCEILINGCOLOR", "TURNLEFT",
                             "TURNRIGHT", "HITINFRONT", "COUNTCREATURES", "FLUSHCREATURES", "GETXPOS", "GETYPOS",
                             "DRAWFRAME", "DRAWMAPFRAME", "WNDPROC", "RELOADMAP", "GETVIEWER"})
        EXPECT_NE(symbol(name), nullptr) << name;
    EXPECT_EQ(symbol("_ZN6engine5stateEv"), nullptr) << "engine::state() stays inside";
    EXPECT_EQ(symbol("_ZN6engine11RenderFrameEv"), nullptr);
}

TEST_F(ExportsTest, ExportsWithoutEffectReturnZeroAndChangeNothing)
{
    ASSERT_NE(library_, nullptr) << dlerror();
    int32_t a = 11, b = 22, c = 33, d = 44, e = 55, f = 66;
    for (const char* name : {"COUNTCREATURES", "FLUSHCREATURES", "GETXPOS", "GETYPOS", "DRAWFRAME", "DRAWMAPFRAME"})
        EXPECT_EQ(function<NoArgs>(name)(), 0) << name;
    for (const char* name : {"TURNLEFT", "TURNRIGHT", "HITINFRONT"}) EXPECT_EQ(function<OneArg>(name)(&a), 0) << name;
    EXPECT_EQ(function<TwoArgs>("SETFLOORCEILINGCOLOR")(&a, &b), 0);
    for (const char* name : {"DELETEDOOR", "DELETEOBJ", "DELETEWALL"})
        EXPECT_EQ(function<ThreeArgs>(name)(&a, &b, &c), 0) << name;
    for (const char* name : {"ADDDOOR", "ADDOBJECT", "ADDWALL", "DELETECEILING", "SETCHARACTERPOSITION"})
        EXPECT_EQ(function<FourArgs>(name)(&a, &b, &c, &d), 0) << name;
    EXPECT_EQ(function<FiveArgs>("ADDCEILING")(&a, &b, &c, &d, &e), 0);
    EXPECT_EQ(function<SixArgs>("SETCREATUREPOSITION")(&a, &b, &c, &d, &e, &f), 0);
    EXPECT_EQ(std::vector<int32_t>({a, b, c, d, e, f}), std::vector<int32_t>({11, 22, 33, 44, 55, 66}));
    EXPECT_EQ(function<NoArgs>("FINDAREA")(), -1) << "still an empty engine";
}

TEST_F(ExportsTest, HostDrivesTheEngineByReference)
{
    ASSERT_NE(library_, nullptr) << dlerror();
    TestMap testMap;
    addRoom(testMap, 0, 0, 400, 400, "Lobby");
    testMap.vx = 200;
    testMap.vy = 200;
    write("map.mpb", mapFile(testMap));
    writeText("world.hdr", "[Quarzite3D]\nmap=map.mpb\n");

    int32_t dc = 0, width = 160, height = 100;
    char* empty = qz::newAutomationString("");
    EXPECT_EQ(function<Init>("INITVASKELL")(&dc, &empty, &width, &height), -1);
    char* none = nullptr;
    EXPECT_EQ(function<Init>("INITVASKELL")(&dc, &none, &width, &height), -1);
    SysFreeString(empty);

    char* name = qz::newAutomationString(file("world.hdr"));
    int32_t bitmap = function<Init>("INITVASKELL")(&dc, &name, &width, &height);
    SysFreeString(name);
    ASSERT_GT(bitmap, 0);
    EXPECT_EQ(function<OneArg>("DRAWQZ")(&dc), bitmap);
    EXPECT_EQ(function<NoArgs>("FINDAREA")(), 0);
    int32_t index = 0;
    char* areaName = function<AreaName>("FINDAREANAME")(&index);
    EXPECT_EQ(qz::automationText(areaName), "Lobby           ");
    EXPECT_EQ(SysStringByteLen(areaName), 16u);
    SysFreeString(areaName);

    int32_t x = 500, y = 500, z = 56, angle = 0, side = 0, forward = 20, dz = 0, turn = 4;
    EXPECT_EQ(function<FourArgs>("JUMPVIEWER")(&x, &y, &z, &angle), 0);
    EXPECT_EQ(function<NoArgs>("FINDAREA")(), -1);
    x = y = 100;
    function<FourArgs>("JUMPVIEWER")(&x, &y, &z, &angle);
    EXPECT_EQ(function<ThreeArgs>("MOVEVIEWER")(&side, &forward, &dz), 0);
    EXPECT_EQ(function<OneArg>("TURNVIEWER")(&turn), 0);
    EXPECT_EQ(function<NoArgs>("FORWARD")(), 0);
    EXPECT_EQ(function<NoArgs>("FINDAREA")(), 0);
    int32_t node = 0, texture = 3;
    EXPECT_EQ(function<TwoArgs>("SETWALLTXR")(&node, &texture), 0);
    EXPECT_EQ(function<NoArgs>("FLUSHVASKELL")(), 0);
    EXPECT_EQ(messages.beeps, 0);
}

}  // namespace
}  // namespace enginetest
