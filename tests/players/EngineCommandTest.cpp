#include "players/EngineCommand.h"
#include "CTempFolder.h"
#include "TestFiles.h"
#include "match/CSavedGame.h"
#include "players/BenchmarkPositions.h"
#include "players/CPlayer.h"
#include "rules/CChessBoard.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Output {
  int status;
  std::string out, err;
};

// Whether a line has the words of `pattern`, where "#" stands for a whole number (maybe negative),
// "@" for a move in coordinates or "none" and "*" for any word.
bool Fits(const std::string &line, const std::string &pattern) {
  std::istringstream words(line), expected(pattern);
  std::string word, want;
  while (expected >> want) {
    if (!(words >> word)) return false;
    if (want == "*") continue;
    if (want == "#") {
      const size_t digits = word[0] == '-' ? 1 : 0;
      if (word.size() <= digits || word.find_first_not_of("0123456789", digits) != std::string::npos)
        return false;
      continue;
    }
    if (want == "@") {
      FenSquare a, b;
      if (word != "none" &&
          !(word.size() == 4 && ParseSquareName(word.substr(0, 2), a) && ParseSquareName(word.substr(2), b)))
        return false;
      continue;
    }
    if (word != want) return false;
  }
  return !(words >> word) && line.find('\n') == std::string::npos;
}

std::vector<std::string> Lines(const std::string &text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

Output RunTool(const std::vector<std::string> &args) {
  std::ostringstream out, err;
  const int status = RunEngineCommand(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(EngineCommand, WrongArgumentsSayWhatIsWrongOnOneLine) {
  const std::string start = kStartFen;
  const struct {
    std::vector<std::string> args;
    const char *mentions;
  } cases[] = {
      {{}, "no command"},
      {{"play"}, "unknown command 'play'"},
      {{"bestmove"}, "needs a FEN"},
      {{"bestmove", start}, "needs a FEN"},
      {{"bestmove", "rnbqkbnr/pppppppp/8/8 w KQkq - 0 1", "2"}, "malformed FEN"},
      {{"bestmove", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x", "2"}, "malformed FEN"},
      {{"bestmove", start, "0"}, "depth '0'"},
      {{"bestmove", start, "65"}, "depth '65'"},
      {{"bestmove", start, "-1"}, "depth '-1'"},
      {{"bestmove", start, "two"}, "depth 'two'"},
      {{"bestmove", start, ""}, "depth ''"},
      {{"bestmove", start, "99999999999"}, "depth '99999999999'"},
      {{"bestmove", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", "w", "2"}, "takes two arguments"},
      {{"perft", start}, "needs a FEN"},
      {{"perft", start, "21"}, "depth '21'"},
      {{"perft", "not a fen", "1"}, "malformed FEN"},
      {{"bench", "0"}, "depth '0'"},
      {{"bench", "6", "7"}, "at most one argument"},
  };
  for (const auto &c : cases) {
    const Output output = RunTool(c.args);
    std::string joined;
    for (const std::string &a : c.args)
      joined += "[" + a + "]";
    EXPECT_EQ(output.status, kEngineUsageError) << joined;
    EXPECT_EQ(output.out, "") << joined;
    EXPECT_NE(output.err.find(c.mentions), std::string::npos) << joined << ": " << output.err;
    ASSERT_FALSE(output.err.empty()) << joined;
    EXPECT_EQ(output.err.find('\n'), output.err.size() - 1) << joined << ": one line: " << output.err;
  }
}

TEST(EngineCommand, BestMovePrintsTheComputersChoiceAndItsSearch) {
  const struct {
    const char *fen;
    const char *depth;
    const char *move;
  } cases[] = {
      {"6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", "1", "d1d8"},
      {"3r2k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1", "3", "d8d1"},
      {"k7/p7/8/3q4/8/8/3R4/4K3 w - - 0 1", "2", "d2d5"},
      // Only castling is legal: the computer still moves.
      {"k7/8/8/8/b7/3npp1b/8/4K2R w K - 0 1", "2", "e1g1"},
      // Stalemated with a pawn left: nothing to play.
      {"7k/8/8/8/7p/7P/5q2/7K w - - 0 1", "4", "none"},
  };
  for (const auto &c : cases) {
    const Output output = RunTool({"bestmove", c.fen, c.depth});
    EXPECT_EQ(output.status, 0) << c.fen;
    EXPECT_EQ(output.err, "") << c.fen;
    const std::vector<std::string> lines = Lines(output.out);
    ASSERT_EQ(lines.size(), 2u) << c.fen << ":\n" << output.out;
    EXPECT_EQ(lines[0], std::string("bestmove ") + c.move) << c.fen;
    EXPECT_TRUE(Fits(lines[1], std::string("info depth ") + c.depth + " score # nodes # time #")) << lines[1];
    EXPECT_EQ(output.out.back(), '\n');
  }
  // The value of the top node: mate delivered on the last ply counts the mate bonus.
  EXPECT_NE(RunTool({"bestmove", cases[0].fen, "1"}).out.find(" score 100550 "), std::string::npos);
}

// Writes the position as a saved game with the given side to move; the FEN's own side is ignored.
void WriteSavedGame(const std::string &file, const char *fen, uint8_t turn) {
  CChessBoard board;
  Side ignored;
  ASSERT_TRUE(ParseFen(fen, board, ignored)) << fen;
  WriteBytes(file,
             CSavedGame::FromMatch(board, "Sir Perrin", Human, "Talvine", Champion, 0, 2, turn).ToBytes());
}

TEST(EngineCommand, BestMoveReadsASavedGameForItsSideToMove) {
  CTempFolder folder;
  // One position, each side with a mate in one along its back rank: the saved turn decides.
  const struct {
    const char *file;
    const char *fen;
    uint8_t turn;
    const char *move;
  } cases[] = {
      {"white", "3r2k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", 0, "d1d8"},
      {"black", "3r2k1/5ppp/8/8/8/8/5PPP/3R2K1 b - - 0 1", 1, "d8d1"},
  };
  for (const auto &c : cases) {
    WriteSavedGame(c.file, c.fen, c.turn);
    const Output output = RunTool({"bestmove", "--save", c.file, "3"});
    EXPECT_EQ(output.status, 0) << c.file;
    EXPECT_EQ(output.err, "") << c.file;
    const std::vector<std::string> lines = Lines(output.out);
    ASSERT_EQ(lines.size(), 2u) << output.out;
    EXPECT_EQ(lines[0], std::string("bestmove ") + c.move);
    EXPECT_TRUE(Fits(lines[1], "info depth 3 score # nodes # time #")) << lines[1];
    // The same search as for the position given as FEN.
    const std::vector<std::string> fromFen = Lines(RunTool({"bestmove", c.fen, "3"}).out);
    ASSERT_EQ(fromFen.size(), 2u);
    EXPECT_EQ(fromFen[0], lines[0]);
    EXPECT_EQ(fromFen[1].substr(0, fromFen[1].find(" time ")), lines[1].substr(0, lines[1].find(" time ")));
  }
}

TEST(EngineCommand, SavedGameThatTheLoaderRefusesIsAWrongArgument) {
  CTempFolder folder;
  WriteBytes("short", std::vector<uint8_t>(77, 0));
  WriteSavedGame("kingless", "8/8/8/8/8/8/8/K7 w - - 0 1", 0);
  WriteSavedGame("good", kStartFen, 0);
  const struct {
    std::vector<std::string> args;
    const char *mentions;
  } cases[] = {
      {{"bestmove", "--save", "short", "2"}, "too short"},
      {{"bestmove", "--save", "kingless", "2"}, "Black has no king"},
      {{"bestmove", "--save", "missing", "2"}, "no such saved game"},
      {{"bestmove", "--save", ".", "2"}, "not a saved-game file"},
      {{"bestmove", "--save", "good", "0"}, "depth '0'"},
      {{"bestmove", "--save", "good"}, "two arguments"},
      {{"bestmove", "--save", "good", "2", "3"}, "two arguments"},
  };
  for (const auto &c : cases) {
    const Output output = RunTool(c.args);
    EXPECT_EQ(output.status, kEngineUsageError) << c.mentions;
    EXPECT_EQ(output.out, "") << c.mentions;
    EXPECT_NE(output.err.find(c.mentions), std::string::npos) << output.err;
    ASSERT_FALSE(output.err.empty());
    EXPECT_EQ(output.err.find('\n'), output.err.size() - 1) << "one line: " << output.err;
  }
}

TEST(EngineCommand, PerftCountsLegalMoveSequences) {
  const Output output = RunTool({"perft", kStartFen, "3"});
  EXPECT_EQ(output.status, 0);
  EXPECT_EQ(output.out, "nodes 8902\n");
  EXPECT_EQ(output.err, "");
}

TEST(EngineCommand, BenchSearchesEveryPositionAndSumsUp) {
  const Output output = RunTool({"bench", "1"});
  EXPECT_EQ(output.status, 0);
  EXPECT_EQ(output.err, "");
  const std::vector<std::string> lines = Lines(output.out);
  ASSERT_EQ(lines.size(), BenchmarkPositions().size() + 1) << output.out;
  for (size_t i = 0; i < BenchmarkPositions().size(); ++i) {
    EXPECT_TRUE(Fits(lines[i], std::string(BenchmarkPositions()[i].name) + " bestmove @ nodes # time #"))
        << lines[i];
  }
  EXPECT_TRUE(Fits(lines.back(), "bench: # nodes # ms # nps")) << lines.back();
}

} // namespace
