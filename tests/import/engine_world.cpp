#include "tests/import/engine_world.h"

#include <gtest/gtest.h>

#include "engine/engine_state.h"
#include "engine/initialisation.h"
#include "engine/map_reader.h"
#include "engine/world_loader.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace importtest {

void loadIntoEngine(clsMap& map, const std::string& folder)
{
    Outcome built = map.createBSP();
    ASSERT_TRUE(built.ok) << built.text;
    const std::string path = folder + "/compiled.mpb";
    Outcome written = map.WriteNewMPB(path, true);
    ASSERT_TRUE(written.ok) << written.text;
    engine::MapReadResult read = engine::readMapContents(qztest::readBytes(path));
    ASSERT_EQ(read.fault, "");
    engine::state() = engine::EngineState();
    engine::fillAngleTables(engine::state());
    engine::applyMapContents(read);
}

}  // namespace importtest
