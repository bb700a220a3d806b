#include "rules/CheckRules.h"
#include "TestPositions.h"
#include "rules/CPiece.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

namespace {

struct CheckCase {
  const char *name;
  const char *fen;
  Side side;
  bool inCheck;
};

void PrintTo(const CheckCase &c, std::ostream *os) { *os << c.name; }

class Check : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Check, IsInCheck) {
  const CheckCase &c = GetParam();
  auto board = BoardFromFen(c.fen);
  EXPECT_EQ(IsInCheck(*board, c.side), c.inCheck);
}

const CheckCase kCheckCases[] = {
    {"StartWhite", kStartFen, White, false},
    {"StartBlack", kStartFen, Black, false},
    {"KnightJumpsOverPieces", "4k3/8/8/8/8/3n4/3PPP2/3QKB2 w - - 0 1", White, true},
    {"PawnAttacksDiagonallyForward", "4k3/8/8/8/8/3p4/4K3/8 w - - 0 1", White, true},
    {"PawnDoesNotAttackStraightAhead", "4k3/8/8/8/8/3p4/3K4/8 w - - 0 1", White, false},
    {"PawnDoesNotAttackBackward", "4k3/8/8/8/8/4K3/3p4/8 w - - 0 1", White, false},
    {"RookBlockedByOwnPiece", "4r3/8/8/8/8/8/4P3/4K3 w - - 0 1", White, false},
    {"RookOnOpenFile", "4r3/8/8/8/8/8/8/4K3 w - - 0 1", White, true},
    {"EnemyKingAdjacent", "8/8/8/8/8/4k3/4K3/8 w - - 0 1", White, true},
    // Without a king the square (0, 0), h8, stands in for it.
    {"NoKingMeansH8", "8/8/8/8/8/8/8/k6r w - - 0 1", White, true},
    {"NoKingH8Unattacked", "8/8/8/8/8/8/8/k5r1 w - - 0 1", White, false},
    // With two kings of a side only the last one found row-major counts.
    {"LastKingFoundCounts", "8/8/8/4K3/8/8/8/r3K2k w - - 0 1", White, true},
    {"EarlierKingIgnored", "r3K3/8/8/8/8/8/8/4K2k w - - 0 1", White, false},
};

INSTANTIATE_TEST_SUITE_P(Positions, Check, ::testing::ValuesIn(kCheckCases),
                         [](const ::testing::TestParamInfo<CheckCase> &info) { return info.param.name; });

struct EscapeCase {
  const char *name;
  const char *fen;
  bool noEscape;
};

void PrintTo(const EscapeCase &c, std::ostream *os) { *os << c.name; }

class Escape : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(Escape, HasNoEscapeForWhite) {
  const EscapeCase &c = GetParam();
  auto board = BoardFromFen(c.fen);
  const std::string before = ToFen(*board, White);
  EXPECT_EQ(HasNoEscape(*board, White), c.noEscape);
  EXPECT_EQ(ToFen(*board, White), before); // tentative moves leave the board as it was
}

const EscapeCase kEscapeCases[] = {
    {"StartPosition", kStartFen, false},
    {"Checkmate", "6k1/8/8/8/8/8/5PPP/r5K1 w - - 0 1", true},
    {"InCheckKingCanStepAway", "6k1/8/8/8/8/7P/5PP1/r5K1 w - - 0 1", false},
    {"InCheckCheckerCanBeTaken", "6k1/8/8/8/3B4/8/5PPP/r5K1 w - - 0 1", false},
    {"InCheckBlockedByInterposing", "6k1/8/8/8/8/8/4RPPP/r5K1 w - - 0 1", false},
    {"LoneKingNoMoveNotInCheck", "7k/8/8/8/8/8/5q2/7K w - - 0 1", true},
    {"LoneKingWithAMove", "7k/8/8/8/8/8/8/7K w - - 0 1", false},
    {"LoneKingInCheckNoMove", "6rk/8/8/8/8/8/6q1/7K w - - 0 1", true},
    // Other pieces left and not in check: play goes on even without a legal move.
    {"StalemateWithBlockedPawn", "7k/8/8/8/7p/7P/5q2/7K w - - 0 1", false},
};

INSTANTIATE_TEST_SUITE_P(Positions, Escape, ::testing::ValuesIn(kEscapeCases),
                         [](const ::testing::TestParamInfo<EscapeCase> &info) { return info.param.name; });

} // namespace

TEST(Legality, KingMayNotStepNextToTheEnemyKing) {
  auto board = BoardFromFen("8/8/8/8/8/4k3/8/4K3 w - - 0 1");
  EXPECT_FALSE(LeavesKingSafe(*board, 7, 3, 6, 3, White)); // e1-e2
  EXPECT_TRUE(LeavesKingSafe(*board, 7, 3, 7, 2, White));  // e1-f1
}

TEST(Legality, CastlingJudgedByTheKingsDestinationOnly) {
  // In check from e8 and crossing f1, attacked from f8: castling to g1 still passes; to c1, which
  // the rook on c8 attacks, it does not.
  auto board = BoardFromFen("2r1rr2/8/8/8/8/8/8/R3K2R w KQ - 0 1");
  EXPECT_TRUE(LeavesKingSafe(*board, 7, 3, 7, 1, White));
  EXPECT_FALSE(LeavesKingSafe(*board, 7, 3, 7, 5, White));
}

TEST(Legality, TentativeMovePutsBothPiecesBackAndDeletesNothing) {
  auto board = BoardFromFen("4k3/8/8/8/8/8/3q4/4K3 w - - 0 1");
  CPiece *king = board->PieceAt(7, 3);
  CPiece *queen = board->PieceAt(6, 4);
  {
    CTentativeMove move(*board, 7, 3, 6, 4);
    EXPECT_EQ(board->PieceAt(6, 4), king);
    EXPECT_EQ(board->PieceAt(7, 3), nullptr);
    EXPECT_FALSE(IsInCheck(*board, White)); // Kxd2 takes the checker
  }
  EXPECT_EQ(board->PieceAt(7, 3), king);
  EXPECT_EQ(board->PieceAt(6, 4), queen);
}

TEST(Legality, HasLegalMoveSeesStalemateThatHasNoEscapeLetsPass) {
  auto stalemate = BoardFromFen("7k/8/8/8/7p/7P/5q2/7K w - - 0 1");
  EXPECT_FALSE(HasLegalMove(*stalemate, White));
  EXPECT_FALSE(HasNoEscape(*stalemate, White));
  auto start = BoardFromFen(kStartFen);
  EXPECT_TRUE(HasLegalMove(*start, White));
  EXPECT_TRUE(HasLegalMove(*start, Black));
}
