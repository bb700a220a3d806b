#include "rules/Fen.h"

#include "rules/CChessBoard.h"
#include "rules/CPiece.h"

#include <cctype>
#include <sstream>
#include <vector>

const char *const kStartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

namespace {

constexpr int32_t ColumnOfFile(int file) { return 7 - file; }

bool KindFromLetter(char letter, PieceKind &kind) {
  switch (std::tolower(static_cast<unsigned char>(letter))) {
  case 'k':
    kind = King;
    return true;
  case 'q':
    kind = Queen;
    return true;
  case 'r':
    kind = Rook;
    return true;
  case 'b':
    kind = Bishop;
    return true;
  case 'n':
    kind = Knight;
    return true;
  case 'p':
    kind = Pawn;
    return true;
  default:
    return false;
  }
}

char LetterOfKind(PieceKind kind) { return "kqrbnp"[kind]; }

// Home row of a side's back pieces and of its pawns.
int32_t BackRow(Side side) { return side == White ? 7 : 0; }
int32_t PawnRow(Side side) { return side == White ? 6 : 1; }

// The kind that starts on a back-row column (king on column 3, queen on 4).
PieceKind StartingKind(int32_t column) {
  constexpr PieceKind kBackRow[kBoardSize] = {Rook, Knight, Bishop, King, Queen, Bishop, Knight, Rook};
  return kBackRow[column];
}

bool Fail(std::string *error, const std::string &why) {
  if (error) *error = why;
  return false;
}

} // namespace

std::string SquareName(int32_t row, int32_t column) {
  if (!IsOnBoardSquare(row, column)) return "";
  std::string name;
  name += static_cast<char>('a' + (7 - column));
  name += static_cast<char>('8' - row);
  return name;
}

bool ParseSquareName(const std::string &text, FenSquare &square) {
  if (text.size() != 2 || text[0] < 'a' || text[0] > 'h' || text[1] < '1' || text[1] > '8') return false;
  square.column = ColumnOfFile(text[0] - 'a');
  square.row = '8' - text[1];
  return true;
}

namespace {

bool ReadFen(const std::string &fen, CChessBoard &board, Side &sideToMove, std::string *error) {
  board.RemoveAllPieces();
  board.passedPawnRow = kNoSquare;
  board.passedPawnCol = kNoSquare;

  std::istringstream in(fen);
  std::vector<std::string> fields;
  for (std::string field; in >> field;)
    fields.push_back(field);
  if (fields.size() < 2) return Fail(error, "a FEN needs at least the placement and the side to move");
  if (fields.size() > 6) return Fail(error, "a FEN has at most six fields");

  int32_t row = 0, file = 0;
  for (const char ch : fields[0]) {
    if (ch == '/') {
      if (file != 8) return Fail(error, "rank " + std::to_string(8 - row) + " does not hold 8 squares");
      ++row;
      file = 0;
      if (row >= kBoardSize) return Fail(error, "more than 8 ranks");
      continue;
    }
    if (ch >= '1' && ch <= '8') {
      file += ch - '0';
      if (file > 8) return Fail(error, "rank " + std::to_string(8 - row) + " holds more than 8 squares");
      continue;
    }
    PieceKind kind;
    if (!KindFromLetter(ch, kind)) return Fail(error, std::string("unknown piece letter '") + ch + "'");
    if (file >= 8) return Fail(error, "rank " + std::to_string(8 - row) + " holds more than 8 squares");
    std::unique_ptr<CPiece> piece = CreatePiece(kind);
    piece->side = std::isupper(static_cast<unsigned char>(ch)) ? White : Black;
    piece->direction = piece->side == White ? kTowardRow0 : kTowardRow7;
    piece->neverMoved = 0;
    board.PlacePiece(row, ColumnOfFile(file), piece.release());
    ++file;
  }
  if (row != 7 || file != 8) return Fail(error, "the placement does not describe 8 ranks of 8 squares");

  if (fields[1] == "w") {
    sideToMove = White;
  } else if (fields[1] == "b") {
    sideToMove = Black;
  } else {
    return Fail(error, "the side to move must be 'w' or 'b'");
  }

  const std::string castling = fields.size() > 2 ? fields[2] : "-";
  if (castling != "-") {
    for (const char ch : castling) {
      if (std::string("KQkq").find(ch) == std::string::npos) {
        return Fail(error, std::string("unknown castling letter '") + ch + "'");
      }
    }
  }

  for (int32_t r = 0; r < kBoardSize; ++r) {
    for (int32_t c = 0; c < kBoardSize; ++c) {
      CPiece *piece = board.PieceAt(r, c);
      if (!piece) continue;
      const Side side = piece->side;
      const bool white = side == White;
      const char kingside = white ? 'K' : 'k';
      const char queenside = white ? 'Q' : 'q';
      const bool kingsideRight = castling.find(kingside) != std::string::npos;
      const bool queensideRight = castling.find(queenside) != std::string::npos;
      bool unmoved = false;
      if (piece->kind == Pawn) {
        unmoved = r == PawnRow(side);
      } else if (r == BackRow(side) && piece->kind == StartingKind(c)) {
        if (piece->kind == Rook) {
          unmoved = (c == 0 && kingsideRight) || (c == 7 && queensideRight);
        } else if (piece->kind == King) {
          unmoved = kingsideRight || queensideRight;
        } else {
          unmoved = true;
        }
      }
      piece->neverMoved = unmoved ? 1 : 0;
    }
  }

  if (fields.size() > 3 && fields[3] != "-") {
    FenSquare target;
    if (!ParseSquareName(fields[3], target) || (target.row != 2 && target.row != 5)) {
      return Fail(error, "the en-passant square must be on rank 3 or 6");
    }
    // The pawn that has just advanced stands one square past the target in its own direction.
    board.passedPawnRow = target.row == 5 ? 4 : 3;
    board.passedPawnCol = target.column;
  }
  for (size_t i = 4; i < fields.size(); ++i) {
    for (const char ch : fields[i]) {
      if (!std::isdigit(static_cast<unsigned char>(ch)))
        return Fail(error, "the move counters must be numbers");
    }
  }
  return true;
}

} // namespace

bool ParseFen(const std::string &fen, CChessBoard &board, Side &sideToMove, std::string *error) {
  if (ReadFen(fen, board, sideToMove, error)) return true;
  board.RemoveAllPieces();
  board.passedPawnRow = kNoSquare;
  board.passedPawnCol = kNoSquare;
  return false;
}

std::string ToFen(const CChessBoard &board, Side sideToMove) {
  std::string fen;
  for (int32_t r = 0; r < kBoardSize; ++r) {
    int empty = 0;
    for (int file = 0; file < kBoardSize; ++file) {
      const CPiece *piece = board.PieceAt(r, ColumnOfFile(file));
      if (!piece) {
        ++empty;
        continue;
      }
      if (empty) fen += static_cast<char>('0' + empty);
      empty = 0;
      const char letter = LetterOfKind(piece->kind);
      fen += piece->side == White ? static_cast<char>(std::toupper(letter)) : letter;
    }
    if (empty) fen += static_cast<char>('0' + empty);
    if (r + 1 < kBoardSize) fen += '/';
  }
  fen += sideToMove == White ? " w " : " b ";

  std::string castling;
  const struct {
    char letter;
    Side side;
    int32_t rookColumn;
  } rights[] = {{'K', White, 0}, {'Q', White, 7}, {'k', Black, 0}, {'q', Black, 7}};
  for (const auto &right : rights) {
    const int32_t row = BackRow(right.side);
    const CPiece *king = board.PieceAt(row, 3);
    const CPiece *rook = board.PieceAt(row, right.rookColumn);
    if (king && king->kind == King && king->side == right.side && king->neverMoved == 1 && rook &&
        rook->kind == Rook && rook->side == right.side && rook->neverMoved == 1) {
      castling += right.letter;
    }
  }
  fen += castling.empty() ? "-" : castling;

  const CPiece *passed = board.PieceAt(board.passedPawnRow, board.passedPawnCol);
  if (passed && passed->kind == Pawn && (board.passedPawnRow == 3 || board.passedPawnRow == 4)) {
    const int32_t behind = board.passedPawnRow == 4 ? 5 : 2;
    fen += " " + SquareName(behind, board.passedPawnCol);
  } else {
    fen += " -";
  }
  fen += " 0 1";
  return fen;
}
