#include "players/EngineCommand.h"

#include "match/CSavedGame.h"
#include "platform/Clock.h"
#include "players/BenchmarkPositions.h"
#include "players/CComputerPlayer.h"
#include "players/CSearchEngine.h"
#include "rules/CChessBoard.h"
#include "rules/Fen.h"
#include "rules/Perft.h"

#include <chrono>
#include <cstdint>

namespace {

constexpr const char *kUsage =
    "usage: ravelmark-engine bestmove \"FEN\" DEPTH | bestmove --save FILE DEPTH | perft \"FEN\" DEPTH | "
    "bench [DEPTH]";
constexpr int kDefaultBenchDepth = 6;

int Fail(std::ostream &err, const std::string &why) {
  err << "ravelmark-engine: " << why << '\n';
  return kEngineUsageError;
}

// A whole number from `low` to `high`, digits only.
bool ParseDepth(const std::string &text, int low, int high, int &depth) {
  if (text.empty() || text.size() > 4) return false;
  int value = 0;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return false;
    value = value * 10 + (ch - '0');
  }
  if (value < low || value > high) return false;
  depth = value;
  return true;
}

std::string DepthError(const std::string &text, int low, int high) {
  return "depth '" + text + "' is not a whole number from " + std::to_string(low) + " to " +
         std::to_string(high);
}

// Reads the FEN and depth arguments of bestmove and perft.
bool ReadPositionAndDepth(const std::vector<std::string> &args, int maxDepth, CChessBoard &board, Side &side,
                          int &depth, std::ostream &err, int &status) {
  const std::string &command = args[0];
  if (args.size() < 3) {
    status = Fail(err, command + " needs a FEN in quotes and a depth");
    return false;
  }
  if (args.size() > 3) {
    status = Fail(err, command + " takes two arguments, a FEN in quotes and a depth; got " +
                           std::to_string(args.size() - 1));
    return false;
  }
  std::string why;
  if (!ParseFen(args[1], board, side, &why)) {
    status = Fail(err, "malformed FEN: " + why);
    return false;
  }
  if (!ParseDepth(args[2], 1, maxDepth, depth)) {
    status = Fail(err, DepthError(args[2], 1, maxDepth));
    return false;
  }
  return true;
}

uint64_t ElapsedMs(std::chrono::steady_clock::time_point start) {
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
          .count());
}

std::string MoveName(bool found, int32_t fromRow, int32_t fromCol, int32_t toRow, int32_t toCol) {
  return found ? SquareName(fromRow, fromCol) + SquareName(toRow, toCol) : "none";
}

// Reads the saved-game file and depth arguments of "bestmove --save FILE DEPTH": the saved position
// with the saved side to move.
bool ReadSavedGameAndDepth(const std::vector<std::string> &args, CChessBoard &board, Side &side, int &depth,
                           std::ostream &err, int &status) {
  if (args.size() != 4) {
    status = Fail(err, "bestmove --save takes two arguments, a saved-game file and a depth");
    return false;
  }
  CSavedGame game;
  std::string why;
  if (!CSavedGame::ReadFile(args[2], game, &why)) {
    status = Fail(err, "saved game '" + args[2] + "' cannot be used: " + why);
    return false;
  }
  if (!ParseDepth(args[3], 1, kEngineMaxSearchDepth, depth)) {
    status = Fail(err, DepthError(args[3], 1, kEngineMaxSearchDepth));
    return false;
  }
  game.PlaceOnto(board);
  side = game.turn == 0 ? White : Black;
  return true;
}

int BestMove(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  CChessBoard board;
  Side side;
  int depth, status;
  const bool fromSave = args.size() > 1 && args[1] == "--save";
  if (fromSave ? !ReadSavedGameAndDepth(args, board, side, depth, err, status)
               : !ReadPositionAndDepth(args, kEngineMaxSearchDepth, board, side, depth, err, status))
    return status;

  // The computer playing the side to move, past its opening move.
  CComputerPlayer computer(side, side == White ? kTowardRow0 : kTowardRow7, "Engine", Champion);
  computer.openingPending = 0;
  computer.searchDepth = depth;
  const auto start = std::chrono::steady_clock::now();
  computer.ChooseMove(board);
  const uint64_t ms = ElapsedMs(start);

  const CMovePath &move = computer.pendingMove;
  const SearchResult &search = computer.LastSearch();
  out << "bestmove "
      << MoveName(computer.movePending == 1, move.startRow, move.startCol, move.destRow, move.destCol)
      << '\n';
  out << "info depth " << depth << " score " << search.value << " nodes " << search.nodes << " time " << ms
      << '\n';
  return 0;
}

int CountMoves(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  CChessBoard board;
  Side side;
  int depth, status;
  if (!ReadPositionAndDepth(args, kEngineMaxPerftDepth, board, side, depth, err, status)) return status;
  out << "nodes " << Perft(board, side, depth) << '\n';
  return 0;
}

int Bench(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  int depth = kDefaultBenchDepth;
  if (args.size() > 2) return Fail(err, "bench takes at most one argument, the depth");
  if (args.size() == 2 && !ParseDepth(args[1], 1, kEngineMaxSearchDepth, depth))
    return Fail(err, DepthError(args[1], 1, kEngineMaxSearchDepth));

  // Check every position first, so that a fault prints nothing on `out`.
  struct Prepared {
    const char *name;
    CSearchBoard board;
    Side side;
  };
  std::vector<Prepared> prepared;
  for (const BenchmarkPosition &position : BenchmarkPositions()) {
    CChessBoard board;
    Side side;
    std::string why;
    if (!ParseFen(position.fen, board, side, &why))
      return Fail(err, std::string("benchmark position ") + position.name + ": " + why);
    prepared.push_back({position.name, CSearchBoard(), side});
    prepared.back().board.FillFrom(board);
  }

  CSearchEngine engine;
  uint64_t totalNodes = 0, totalMs = 0;
  for (const Prepared &p : prepared) {
    engine.ClearTable(); // every position timed as a fresh search
    const auto start = std::chrono::steady_clock::now();
    const SearchResult result = engine.Search(p.board, p.side, depth, GetTickCount() + kSearchTimeLimit);
    const uint64_t ms = ElapsedMs(start);
    totalNodes += result.nodes;
    totalMs += ms;
    out << p.name << " bestmove "
        << MoveName(result.found, result.startRow, result.startCol, result.destRow, result.destCol)
        << " nodes " << result.nodes << " time " << ms << '\n';
  }
  const uint64_t nps = totalNodes * 1000 / (totalMs ? totalMs : 1);
  out << "bench: " << totalNodes << " nodes " << totalMs << " ms " << nps << " nps\n";
  return 0;
}

} // namespace

int RunEngineCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
  if (args.empty()) return Fail(err, std::string("no command; ") + kUsage);
  const std::string &command = args[0];
  if (command == "bestmove") return BestMove(args, out, err);
  if (command == "perft") return CountMoves(args, out, err);
  if (command == "bench") return Bench(args, out, err);
  return Fail(err, "unknown command '" + command + "'; " + kUsage);
}
