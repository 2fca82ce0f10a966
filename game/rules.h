// Move legality: the square scan that answers target queries, and the refusal codes.
#pragma once
#include <cstdint>

#include "resources/ids.h"

constexpr int16_t ScoreNotEvaluated = 30000;
constexpr int16_t RefuseNeedsSix = 30001;
constexpr int16_t RefuseBlocked = 30002;
constexpr int16_t RefusePastHome = 30003;
// Refusal code - this = its message id.
constexpr int16_t RefusalToMessage = RefuseNeedsSix - MsgNeedsSix;
static_assert(RefuseBlocked - RefusalToMessage == MsgBlocked && RefusePastHome - RefusalToMessage == MsgPastHome);

// Filter bits of a TargetQuery.
enum : uint32_t {
    TargetOwnSide = 0x01, TargetOpponent = 0x02, TargetSingle = 0x04, TargetPair = 0x08,
    TargetAhead = 0x10, TargetBehind = 0x20, TargetSafe = 0x40, TargetUnsafe = 0x80, TargetOwnSquare = 0x100,
};
// An opponent's pair ahead on an unsafe square blocks; an opponent's single token or pair there is captured.
constexpr uint32_t BlockingFilter = TargetOpponent | TargetPair | TargetAhead | TargetUnsafe;
constexpr uint32_t CaptureFilter = BlockingFilter | TargetSingle;

struct TargetQuery {
    uint32_t filter;
    uint8_t distance;  // exact distance wanted; 255 = any
    uint8_t best;      // in/out: preset 255; smallest distance matched
    uint8_t colour;    // out: the matched square's first other token
    uint8_t token;
};

// Answers `count` queries around token t of colour p in one pass over the board.
void scanSquares(uint8_t p, uint8_t t, TargetQuery* queries, int count);
