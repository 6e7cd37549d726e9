// Identifiers of the baseline dialog program.
#pragma once

#define baselineDialog 100
// The same exit command as huex.exe, so that one tool can close either.
#define baselineExitCommand 491
