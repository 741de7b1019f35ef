#include "editor/preview/logic/engine_library.h"

#include "editor/preview/logic/text_argument.h"
#include "platform/files.h"
#include "platform/program_folders.h"

namespace qzedit {

namespace {

using NoArgs = int32_t();
using OneArg = int32_t(int32_t*);
using ThreeArgs = int32_t(int32_t*, int32_t*, int32_t*);
using FourArgs = int32_t(int32_t*, int32_t*, int32_t*, int32_t*);
using Init = int32_t(int32_t*, char**, int32_t*, int32_t*);
using TextResult = char*(int32_t*);
using TextArg = int32_t(char**);

}  // namespace

EngineLibrary::EngineLibrary(std::string path) : library_("QZ3D15.so", std::move(path)) {}

EngineLibrary& EngineLibrary::shipped()
{
    static EngineLibrary engine(qz::engineLibraryFile(qz::programFolder()));
    return engine;
}

int32_t EngineLibrary::initVaskell(int32_t dc, const std::string& headerPath, int32_t width, int32_t height)
{
    auto* init = library_.function<Init>("INITVASKELL");
    const std::string here = qz::currentDirectory();
    std::string header = headerPath;
    int32_t result = 0;
    {
        TextArgument name(header);
        result = init(&dc, name.address(), &width, &height);
    }
    qz::setCurrentDirectory(here);
    countInitialisation();
    return result;
}

int32_t EngineLibrary::drawQZ(int32_t dc) { return library_.function<OneArg>("DRAWQZ")(&dc); }

int32_t EngineLibrary::moveViewer(int32_t side, int32_t forward, int32_t dz)
{
    return library_.function<ThreeArgs>("MOVEVIEWER")(&side, &forward, &dz);
}

int32_t EngineLibrary::turnViewer(int32_t change) { return library_.function<OneArg>("TURNVIEWER")(&change); }

int32_t EngineLibrary::forward() { return library_.function<NoArgs>("FORWARD")(); }

int32_t EngineLibrary::jumpViewer(int32_t x, int32_t y, int32_t z, int32_t angle)
{
    return library_.function<FourArgs>("JUMPVIEWER")(&x, &y, &z, &angle);
}

int32_t EngineLibrary::findArea() { return library_.function<NoArgs>("FINDAREA")(); }

std::string EngineLibrary::findAreaName(int32_t index)
{
    return takeText(library_.function<TextResult>("FINDAREANAME")(&index));
}

int32_t EngineLibrary::flushVaskell() { return library_.function<NoArgs>("FLUSHVASKELL")(); }

int32_t EngineLibrary::hitInFront(int32_t value) { return library_.function<OneArg>("HITINFRONT")(&value); }

int32_t EngineLibrary::reloadMap(const std::string& mapPath)
{
    std::string path = mapPath;
    TextArgument name(path);
    return library_.function<TextArg>("RELOADMAP")(name.address());
}

ViewerPlace EngineLibrary::viewer()
{
    ViewerPlace at;
    library_.function<FourArgs>("GETVIEWER")(&at.x, &at.y, &at.z, &at.angle);
    return at;
}

}  // namespace qzedit
