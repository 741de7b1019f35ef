#include "format/map_json_fields.h"

namespace mapfile {

const std::vector<JsonField<Wall>>& wallJsonFields()
{
    static const std::vector<JsonField<Wall>> fields = {
        {"x1", &Wall::x1},
        {"y1", &Wall::y1},
        {"x2", &Wall::x2},
        {"y2", &Wall::y2},
        {"floorHtBegin", &Wall::floorHtBegin},
        {"floorHtEnd", &Wall::floorHtEnd},
        {"ceilHtBegin", &Wall::ceilHtBegin},
        {"ceilHtEnd", &Wall::ceilHtEnd},
        {"xo", &Wall::xo},
        {"yo", &Wall::yo},
        {"txrWall", &Wall::txrWall},
        {"txrFFloor", &Wall::txrFFloor},
        {"txrFCeil", &Wall::txrFCeil},
        {"txrBFloor", &Wall::txrBFloor},
        {"txrBCeil", &Wall::txrBCeil},
        {"back", &Wall::back},
        {"front", &Wall::front},
        {"tStart", &Wall::tStart},
        {"tEnd", &Wall::tEnd},
        {"wallFlags", &Wall::wallFlags},
        {"areaNum", &Wall::areaNum},
        {"areaFirst", &Wall::areaFirst},
        {"areaNext", &Wall::areaNext},
        {"spareL1", &Wall::spareL1},
        {"spareL2", &Wall::spareL2},
        {"spareL3", &Wall::spareL3},
        {"spareL4", &Wall::spareL4},
        {"wallID", &Wall::wallID},
        {"spareD1", &Wall::spareD1},
        {"spareD2", &Wall::spareD2},
        {"spareD3", &Wall::spareD3},
    };
    return fields;
}

const std::vector<JsonField<Viewpoint>>& viewpointJsonFields()
{
    static const std::vector<JsonField<Viewpoint>> fields = {
        {"name", &Viewpoint::name},       {"x", &Viewpoint::x},           {"y", &Viewpoint::y},
        {"z", &Viewpoint::z},             {"spareV1", &Viewpoint::spareV1}, {"spareV2", &Viewpoint::spareV2},
        {"spareV3", &Viewpoint::spareV3}, {"spareV4", &Viewpoint::spareV4}, {"spareV5", &Viewpoint::spareV5},
    };
    return fields;
}

const std::vector<JsonField<Area>>& areaJsonFields()
{
    static const std::vector<JsonField<Area>> fields = {
        {"areaFirstWall", &Area::areaFirstWall},
        {"areaSqArea", &Area::areaSqArea},
        {"areaFLAGS", &Area::areaFLAGS},
        {"areaBbTop", &Area::areaBbTop},
        {"areaBbLeft", &Area::areaBbLeft},
        {"areaBbBottom", &Area::areaBbBottom},
        {"areaBbRight", &Area::areaBbRight},
        {"areaFloorHtBegin", &Area::areaFloorHtBegin},
        {"areaFloorHtEnd", &Area::areaFloorHtEnd},
        {"areaCeilHtBegin", &Area::areaCeilHtBegin},
        {"areaCeilHtEnd", &Area::areaCeilHtEnd},
        {"spareA1", &Area::spareA1},
        {"spareA2", &Area::spareA2},
        {"spareA3", &Area::spareA3},
        {"areaName", &Area::areaName},
        {"spareA4", &Area::spareA4},
        {"spareA5", &Area::spareA5},
        {"spareA6", &Area::spareA6},
    };
    return fields;
}

const std::vector<JsonField<MapGlobals>>& globalJsonFields()
{
    static const std::vector<JsonField<MapGlobals>> fields = {
        {"globalID", &MapGlobals::globalID}, {"globalName", &MapGlobals::globalName},
        {"globalValue", &MapGlobals::globalValue}, {"spareG1", &MapGlobals::spareG1},
        {"spareG2", &MapGlobals::spareG2},   {"spareG3", &MapGlobals::spareG3},
        {"spareG4", &MapGlobals::spareG4},
    };
    return fields;
}

}  // namespace mapfile
