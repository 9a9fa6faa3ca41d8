#include "platform/headless/HeadlessScript.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <sstream>

#include "platform/SafeFile.h"

namespace {

struct TKeyName {
  const char* Name;
  TKey Key;
};

const TKeyName kKeyNames[] = {
    {"escape", kKeyEscape}, {"enter", kKeyEnter},         {"space", kKeySpace},
    {"pause", kKeyPause},   {"backspace", kKeyBackspace}, {"f1", kKeyF1},
    {"f11", kKeyF11},       {"f12", kKeyF12},             {"ctrl", kKeyCtrl},
    {"alt", kKeyAlt},       {"super", kKeySuper},
};

std::string Lower(std::string Text) {
  for (char& C : Text) C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
  return Text;
}

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

// The line without its comment, its line end and surrounding blanks.
std::string StripLine(std::string Line) {
  for (size_t i = 0; i < Line.size(); ++i)
    if (Line[i] == '#' && (i == 0 || IsBlank(Line[i - 1]))) {
      Line.resize(i);
      break;
    }
  while (!Line.empty() && (IsBlank(Line.back()) || Line.back() == '\r')) Line.pop_back();
  size_t Begin = 0;
  while (Begin < Line.size() && IsBlank(Line[Begin])) ++Begin;
  return Line.substr(Begin);
}

// Splits off the first word; Rest keeps everything after the blanks that follow it.
std::string FirstWord(const std::string& Line, std::string& Rest) {
  size_t End = 0;
  while (End < Line.size() && !IsBlank(Line[End])) ++End;
  size_t Start = End;
  while (Start < Line.size() && IsBlank(Line[Start])) ++Start;
  Rest = Line.substr(Start);
  return Line.substr(0, End);
}

std::vector<std::string> Words(const std::string& Text) {
  std::istringstream Stream(Text);
  std::vector<std::string> Result;
  for (std::string Word; Stream >> Word;) Result.push_back(Word);
  return Result;
}

int ParseNumber(const std::string& Word, int Line, int Lowest) {
  size_t Pos = Word[0] == '-' ? 1 : 0;
  bool Digits = Pos < Word.size() &&
                std::all_of(Word.begin() + Pos, Word.end(), [](char C) { return std::isdigit(static_cast<unsigned char>(C)); });
  long long Value = 0;
  if (Digits && Word.size() <= 10) Value = std::stoll(Word);
  if (!Digits || Word.size() > 10 || Value < Lowest || Value > std::numeric_limits<int>::max())
    throw TScriptError(Line, "\"" + Word + "\" is not a number" +
                                 (Lowest == 0 ? " of 0 or more" : ""));
  return static_cast<int>(Value);
}

TKey ParseKey(const std::string& Name, int Line) {
  std::string Key = Lower(Name);
  if (Key.size() == 1 && Key[0] >= 'a' && Key[0] <= 'z') return LetterKey(static_cast<char>(Key[0] - 'a' + 'A'));
  for (const TKeyName& Entry : kKeyNames)
    if (Key == Entry.Name) return Entry.Key;
  throw TScriptError(Line, "unknown key \"" + Name + "\"");
}

std::vector<TKey> ParseKeys(const std::string& Combination, int Line) {
  std::vector<TKey> Keys;
  size_t Start = 0;
  while (true) {
    size_t Plus = Combination.find('+', Start);
    Keys.push_back(ParseKey(Combination.substr(Start, Plus - Start), Line));
    if (Plus == std::string::npos) return Keys;
    Start = Plus + 1;
  }
}

void ExpectArguments(const std::vector<std::string>& Arguments, size_t Count,
                     const std::string& Command, int Line) {
  if (Arguments.size() == Count) return;
  static const char* const kCounts[] = {"no arguments", "one argument", "two arguments"};
  throw TScriptError(Line, Command + " takes " + kCounts[Count]);
}

TScriptCommand ParseCommand(const std::string& Line, int LineNumber) {
  std::string Rest;
  std::string Name = FirstWord(Line, Rest);
  std::vector<std::string> Arguments = Words(Rest);
  TScriptCommand Command;
  Command.Line = LineNumber;
  if (Name == "wait") {
    ExpectArguments(Arguments, 1, Name, LineNumber);
    Command.Op = TScriptOp::Wait;
    Command.Count = ParseNumber(Arguments[0], LineNumber, 0);
  } else if (Name == "move" || Name == "click") {
    ExpectArguments(Arguments, 2, Name, LineNumber);
    Command.Op = Name == "move" ? TScriptOp::Move : TScriptOp::Click;
    Command.X = ParseNumber(Arguments[0], LineNumber, -100000);
    Command.Y = ParseNumber(Arguments[1], LineNumber, -100000);
  } else if (Name == "down" || Name == "up" || Name == "quit") {
    ExpectArguments(Arguments, 0, Name, LineNumber);
    Command.Op = Name == "down" ? TScriptOp::Down : Name == "up" ? TScriptOp::Up : TScriptOp::Quit;
  } else if (Name == "key") {
    ExpectArguments(Arguments, 1, Name, LineNumber);
    Command.Op = TScriptOp::Key;
    Command.Keys = ParseKeys(Arguments[0], LineNumber);
  } else if (Name == "type") {
    if (Rest.empty()) throw TScriptError(LineNumber, "type needs a text");
    Command.Op = TScriptOp::Type;
    Command.Text = Utf8ToWindows1252(Rest);
  } else if (Name == "screenshot") {
    if (Rest.empty()) throw TScriptError(LineNumber, "screenshot needs a file name");
    Command.Op = TScriptOp::Screenshot;
    Command.Text = Rest;
  } else {
    throw TScriptError(LineNumber, "unknown command \"" + Name + "\"");
  }
  return Command;
}

}  // namespace

TScriptError::TScriptError(int Line, const std::string& Message)
    : std::runtime_error(Line > 0 ? "Script line " + std::to_string(Line) + ": " + Message
                                  : Message),
      Line(Line) {}

std::vector<TScriptCommand> ParseScript(const std::string& Text) {
  std::vector<TScriptCommand> Commands;
  std::istringstream Stream(Text);
  int LineNumber = 0;
  for (std::string Line; std::getline(Stream, Line);) {
    ++LineNumber;
    if (Line.find('\0') != std::string::npos)
      throw TScriptError(LineNumber, "the line holds a zero byte");
    Line = StripLine(Line);
    if (!Line.empty()) Commands.push_back(ParseCommand(Line, LineNumber));
  }
  return Commands;
}

std::vector<TScriptCommand> LoadScriptFile(const std::string& Path) {
  std::string Text;
  if (!ReadWholeFile(Path, Text)) throw TScriptError(0, "Failed to read script \"" + Path + "\"");
  return ParseScript(Text);
}

void TScriptPlayer::Start(const std::vector<TScriptCommand>& NewCommands) {
  Commands = NewCommands;
  Next = 0;
  Started = true;
}

void TScriptPlayer::BeginFrame() {
  if (Quit) return;
  if (FrameLimit >= 0 && Frames >= FrameLimit) {
    Quit = true;
    return;
  }
  if (!Started) return;
  if (ReleasePending) {
    ReleasePending = false;
    ButtonDown = false;
    KeysDown.clear();
    return;
  }
  if (WaitFrames > 0) {
    --WaitFrames;
    return;
  }
  bool EndsFrame = false;
  while (!EndsFrame && !Quit && Next < Commands.size()) Execute(Commands[Next++], EndsFrame);
  if (!EndsFrame && Next == Commands.size()) Quit = true;
}

void TScriptPlayer::Execute(const TScriptCommand& Command, bool& EndsFrame) {
  EndsFrame = true;
  switch (Command.Op) {
    case TScriptOp::Wait:
      EndsFrame = Command.Count > 0;
      WaitFrames = std::max(Command.Count - 1, 0);
      break;
    case TScriptOp::Move:
      PointX = Command.X, PointY = Command.Y;
      EndsFrame = false;
      break;
    case TScriptOp::Click:
      PointX = Command.X, PointY = Command.Y;
      ButtonDown = true;
      ReleasePending = true;
      break;
    case TScriptOp::Down:
    case TScriptOp::Up:
      ButtonDown = Command.Op == TScriptOp::Down;
      break;
    case TScriptOp::Key:
      Press(Command.Keys);
      break;
    case TScriptOp::Type:
      Typed += Command.Text;
      EndsFrame = false;
      break;
    case TScriptOp::Screenshot:
      ScreenshotFile = Command.Text;
      break;
    case TScriptOp::Quit:
      Quit = true;
      break;
  }
}

// Backspace also types its character, as a real keyboard does while the line editor listens.
void TScriptPlayer::Press(const std::vector<TKey>& NewKeys) {
  KeysDown = NewKeys;
  ReleasePending = true;
  if (std::find(NewKeys.begin(), NewKeys.end(), kKeyBackspace) != NewKeys.end()) Typed += '\b';
}

void TScriptPlayer::EndFrame() {
  ++Frames;
  ScreenshotFile.clear();
}

bool TScriptPlayer::KeyDown(TKey Key) const {
  return std::find(KeysDown.begin(), KeysDown.end(), Key) != KeysDown.end();
}

std::string TScriptPlayer::TakeTypedText() {
  std::string Text;
  Text.swap(Typed);
  return Text;
}

void LayoutToClient(int LayoutX, int LayoutY, int ClientWidth, int ClientHeight, int& X, int& Y) {
  const float Width = static_cast<float>(ClientWidth), Height = static_cast<float>(ClientHeight);
  const float Aspect = Height > 0 ? Width / Height : 1.6f;
  const float LogicalWidth = Aspect <= 1.6f ? 1280.0f : Aspect / 1.6f * 1280.0f;
  const float Scale = Width / LogicalWidth;
  X = static_cast<int>(std::lround(Width / 2 + (static_cast<float>(LayoutX) - 640.0f) * Scale));
  Y = static_cast<int>(std::lround(Height / 2 + (static_cast<float>(LayoutY) - 400.0f) * Scale));
}
