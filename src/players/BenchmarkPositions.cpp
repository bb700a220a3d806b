#include "players/BenchmarkPositions.h"

const std::vector<BenchmarkPosition> &BenchmarkPositions() {
  static const std::vector<BenchmarkPosition> positions = {
      // Openings
      {"start", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"},
      {"open-game", "r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3"},
      {"italian", "r1bqk1nr/pppp1ppp/2n5/2b1p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4"},
      {"queens-gambit", "rnbqkb1r/ppp2ppp/4pn2/3p4/2PP4/2N5/PP2PPPP/R1BQKBNR w KQkq - 2 4"},
      {"sicilian", "rnbqkb1r/1p2pppp/p2p1n2/8/3NP3/2N5/PPP2PPP/R1BQKB1R w KQkq - 0 6"},
      // Middlegames with many pieces
      {"closed-centre", "r1bqkb1r/pp1n1ppp/2n1p3/2ppP3/3P1P2/2N2N2/PPP3PP/R1BQKB1R w KQkq - 1 7"},
      {"castled-both", "r2q1rk1/ppp2ppp/2npbn2/2b1p3/2B1P3/2NPBN2/PPP2PPP/R2Q1RK1 w - - 2 8"},
      {"crowded-tactics", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"},
      {"middlegame-black", "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP2BPPP/R2QKB1R b KQ - 3 8"},
      // Tactics
      {"knight-fork", "r3k2r/ppp2ppp/8/3N4/8/8/PPP2PPP/4K2R w - - 0 1"},
      {"hanging-queen", "rnb1kbnr/pppp1ppp/8/4p1q1/3P4/2N5/PPP1PPPP/R1BQKBNR w KQkq - 2 3"},
      {"pin-on-king", "r1bqk2r/pppp1ppp/2n2n2/4p3/1b2P3/2NP4/PPP2PPP/R1BQKBNR w KQkq - 1 4"},
      {"black-wins-material", "rnbqk2r/pppp1ppp/5n2/2b1p3/2B1P3/5Q2/PPPP1PPP/RNB1K1NR b KQkq - 3 3"},
      // Endgames
      {"rook-and-king", "8/8/8/4k3/8/8/8/R3K3 w - - 0 1"},
      {"king-and-pawn", "8/8/4k3/8/4P3/4K3/8/8 w - - 0 1"},
      {"rook-ending", "8/5pk1/6p1/8/8/6P1/r4PK1/3R4 w - - 0 1"},
      {"minor-pieces", "8/3b4/2k5/8/3P4/2K1N3/8/8 w - - 0 1"},
      {"pawn-ending", "8/pp3k2/2p1pp2/3p4/3P4/2P1PP2/PP3K2/8 w - - 0 1"},
      {"queen-versus-rook", "8/8/8/3k4/8/8/2r5/KQ6 b - - 0 1"},
      // Mates in one
      {"back-rank-white", "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1"},
      {"back-rank-black", "3r2k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1"},
      {"scholars-mate", "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4"},
      {"fools-mate", "rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq g3 0 2"},
      {"queen-and-king", "7k/5Q2/6K1/8/8/8/8/8 w - - 0 1"},
  };
  return positions;
}
