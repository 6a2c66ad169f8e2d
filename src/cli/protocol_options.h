#pragma once
// The stimulation protocol as options: the boxes of the page "param3", the stimulus
// site and the stimulation mode. Shared by `run` (overrides of a loaded circuit) and
// `new` (the protocol stored with a new circuit).

#include "circuit_session.h"
#include "command_line.h"
#include "cli_io.h"

#include <span>
#include <string>
#include <vector>

namespace quorel::cli {

// Protocol options and the box each one is typed into.
struct ProtocolBoxOption {
    const char* option;
    int tag;           // EditN
    int usedInMode;    // stimulationMode the value is used in: 1 single, 0 trains, -1 both
};
extern const ProtocolBoxOption kProtocolBoxOptions[6];

// Option specs of every protocol option (--stimulus-site, --single, --train and the boxes).
std::vector<OptionSpec> protocolOptionSpecs();

// Applies the protocol options of `command` to the session: the mode first, then
// the boxes in the order given, then the stimulus site. A corrected value and a
// value the chosen mode does not use are reported on io.err. Returns the usage
// error, or an empty text.
std::string applyProtocolOptions(const ParsedCommand& command, CircuitSession& session, CliIo& io);

// Reports one box entry on io.err: the own correction and the boxes the rules rewrote.
void reportBoxEntry(const std::string& given, const std::string& what, int tag,
                    const BoxEntry& entry, CliIo& io);

}  // namespace quorel::cli
