#include "core/sharedtypes.h"

void registerSharedMetaTypes()
{
    qRegisterMetaType<HX_GPS_TIME>("HX_GPS_TIME");
    qRegisterMetaType<PACKET_LOG>("PACKET_LOG");
    qRegisterMetaType<CommandType>("CommandType");
    qRegisterMetaType<OperationMode>("OperationMode");
    qRegisterMetaType<ResultsDataType>("ResultsDataType");
    qRegisterMetaType<PossibleModes>("PossibleModes");
    qRegisterMetaType<ParticipationStatus>("ParticipationStatus");
    qRegisterMetaType<DeviceState>("DeviceState");
    qRegisterMetaType<LinkState>("LinkState");
}
