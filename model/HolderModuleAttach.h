#pragma once
// The settings holders' module attach operations: the module's fill with the
// board's arguments, merged onto the socket with the given prefix.

#include "model/CardAttach.h"
#include "model/Connector.h"
#include "model/ModuleOptions.h"
#include "model/Pin.h"

class TMainBoard;

// DDR2 SODIMM (upper-case names) on the socket with this connector id.
void AttachDdr2Sodimm(TMainBoard* board, ConnectorId connectorId, const CardPrefix& prefix,
                      DqsMode diffDqs, IoStd i2cStd, IoStd saStd);
// DDR3 SODIMM with the lower-case names on the socket with this connector id.
void AttachDdr3Sodimm(TMainBoard* board, ConnectorId connectorId, const CardPrefix& prefix,
                      DqsMode diffDqs, IoStd ctlStd, IoStd saStd);
// DDR3 SODIMM with the upper-case names, differential DQS and 1.5 V for the
// control and SA lines, on the socket with this connector id.
void AttachDdr3SodimmNamed(TMainBoard* board, ConnectorId connectorId, const CardPrefix& prefix);
