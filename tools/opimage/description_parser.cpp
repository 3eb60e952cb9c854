#include <functional>
#include <set>

#include "tools/opimage/description.h"
#include "tools/opimage/description_cursor.h"
#include "tools/opimage/description_tree.h"

namespace opimage {

namespace {

using AttributeReader = std::function<void(Cursor&, const std::string& key)>;
using ListReader = std::function<void(const Node&, const std::string& label)>;

[[noreturn]] void FailAt(int line, const std::string& message) { throw DescriptionFailure{line, message}; }

class DescriptionReader {
 public:
  Program Read(const std::vector<Node>& nodes) {
    for (const Node& node : nodes) ReadTopLevel(node);
    CheckNames();
    return std::move(program_);
  }

 private:
  Cursor Open(const Node& node) { return Cursor(node.tokens, node.line, uses_); }

  // Attributes come after the head line's fixed values and on the lines of
  // the node's block; a line that opens a block of its own is a named list.
  void ReadAttributes(Cursor& head, const Node& node, const std::string& what,
                      const AttributeReader& attribute, const ListReader& list = {}) {
    auto readLine = [&](Cursor& cursor) {
      while (!cursor.AtEnd()) attribute(cursor, cursor.Word("attribute of " + what));
    };
    readLine(head);
    if (node.blocks.empty()) return;
    if (node.blocks.size() > 1) FailAt(node.blocks[1].line, what + " takes no '} " + node.blocks[1].label + " {'");
    for (const Node& child : node.blocks[0].nodes) {
      Cursor cursor = Open(child);
      if (child.blocks.empty()) {
        readLine(cursor);
        continue;
      }
      const std::string label = cursor.Word("list name");
      if (!list) cursor.Fail(what + " has no lists; unexpected '" + label + " {'");
      list(child, label);
    }
  }

  [[noreturn]] static void UnknownAttribute(Cursor& cursor, const std::string& key, const std::string& what) {
    cursor.Fail("unknown attribute '" + key + "' of " + what);
  }

  static void NoMoreTokens(Cursor& cursor, const std::string& what) {
    if (!cursor.AtEnd()) cursor.Fail("unexpected words after " + what);
  }

  void ReadTopLevel(const Node& node) {
    Cursor cursor = Open(node);
    if (cursor.AtEnd()) cursor.Fail("a block needs a statement before '{'");
    const std::string keyword = cursor.Word("a statement");
    if (keyword == "screen" || keyword == "menu" || keyword == "procedure") {
      const EntryKind kind = keyword == "screen" ? EntryKind::Screen
                             : keyword == "menu" ? EntryKind::Menu
                                                 : EntryKind::Procedure;
      ReadEntry(cursor, node, kind);
      return;
    }
    if (!node.blocks.empty()) cursor.Fail("'" + keyword + "' takes no block");
    if (keyword == "text") {
      do program_.texts.push_back(cursor.String("text")); while (!cursor.AtEnd());
    } else if (keyword == "global") {
      Declare(program_.globals, ReadVariable(cursor), cursor, globalNames_);
    } else if (keyword == "variable") {
      Declare(program_.variables, ReadVariable(cursor), cursor, globalNames_);
    } else if (keyword == "mode") {
      ReadMode(cursor);
    } else if (keyword == "header") {
      ReadHeader(cursor);
    } else {
      cursor.Fail("unknown statement '" + keyword + "'");
    }
  }

  static void Declare(std::vector<Variable>& into, Variable variable, Cursor& cursor,
                      std::set<std::string>& names) {
    if (!names.insert(variable.name).second) cursor.Fail("variable " + variable.name + " is declared twice");
    into.push_back(std::move(variable));
  }

  Variable ReadVariable(Cursor& cursor) {
    Variable variable{.name = cursor.Word("variable name")};
    while (!cursor.AtEnd()) {
      const std::string key = cursor.Word("attribute of a variable");
      if (key == "size") variable.sizeWord = cursor.SizeWord("size");
      else if (key == "type") variable.type = cursor.Letter("type");
      else if (key == "width") variable.displayWidth = cursor.Byte("width");
      else if (key == "attr") variable.attributes = cursor.U16("attr");
      else UnknownAttribute(cursor, key, "a variable");
    }
    return variable;
  }

  void ReadMode(Cursor& cursor) {
    Mode mode{.name = cursor.Word("mode name")};
    while (!cursor.AtEnd()) {
      const std::string key = cursor.Word("attribute of a mode");
      if (key == "label") mode.label = cursor.ReadOperand("label");
      else if (key == "help") mode.help = cursor.ReadOperand("help");
      else if (key == "flags") mode.flags = cursor.U16("flags");
      else if (key == "noid") mode.hasIdentifier = false;
      else if (key == "screenonly") mode.programWide = false;
      else UnknownAttribute(cursor, key, "a mode");
    }
    if (!modeNames_.insert(mode.name).second) cursor.Fail("mode " + mode.name + " is declared twice");
    program_.modes.push_back(std::move(mode));
  }

  void ReadHeader(Cursor& cursor) {
    HeaderOverrides& header = program_.header;
    while (!cursor.AtEnd()) {
      const std::string key = cursor.Word("header field");
      if (key == "magic") header.magic = cursor.Unsigned("magic", 0xFFFFFFFF);
      else if (key == "totalsize") header.totalSize = cursor.Unsigned("totalsize", 0xFFFFFFFF);
      else if (key == "textcount") header.textCount = cursor.U16("textcount");
      else if (key == "firstentry") header.firstEntry = cursor.Int24("firstentry");
      else if (key == "globals") header.globals = cursor.Int24("globals");
      else if (key == "modes") header.programModes = cursor.Int24("modes");
      else if (key == "texttable") header.textTable = cursor.Int24("texttable");
      else UnknownAttribute(cursor, key, "the header");
    }
  }

  void ReadEntry(Cursor& head, const Node& node, EntryKind kind) {
    Entry entry{.kind = kind, .name = head.Word("entry name")};
    EntryScope scope;
    std::vector<NameUse>* outer = uses_;
    uses_ = &scope.variableUses;
    head.SetVariableUses(uses_);
    auto attribute = [&](Cursor& cursor, const std::string& key) {
      ReadEntryAttribute(cursor, key, entry, scope);
    };
    auto list = [&](const Node& child, const std::string& label) {
      if (label == "file") {
        entry.fileDefinition = ReadFileDefinition(child);
        return;
      }
      StatementList* statements = label == "body"     ? &entry.body
                                  : label == "third"  ? &entry.third
                                  : label == "detail" ? &entry.detail
                                                      : nullptr;
      if (statements == nullptr) FailAt(child.line, "unknown list '" + label + "' (body, third, detail or file)");
      OnlyLabel(child, label);
      *statements = ReadList(child.blocks[0].nodes);
    };
    ReadAttributes(head, node, "an entry", attribute, list);
    uses_ = outer;
    for (const Variable& local : entry.locals) scope.locals.insert(local.name);
    entries_.push_back(std::move(scope));
    program_.entries.push_back(std::move(entry));
  }

  struct EntryScope {
    std::vector<NameUse> variableUses;
    std::set<std::string> locals;
  };

  void ReadEntryAttribute(Cursor& cursor, const std::string& key, Entry& entry, EntryScope& scope) {
    if (key == "title") {
      entry.title = cursor.ReadOperand("title");
    } else if (key == "frame") {
      entry.top = cursor.Coordinate("top row");
      entry.left = cursor.Coordinate("left column");
      entry.bottom = cursor.Coordinate("bottom row");
      entry.right = cursor.Coordinate("right column");
    } else if (key == "modeline") {
      entry.modeLineRow = cursor.Coordinate("mode line row");
      entry.modeLineColumn = cursor.Coordinate("mode line column");
    } else if (key == "review") {
      entry.reviewWord |= kReviewScreen;
    } else if (key == "datagrid") {
      entry.reviewWord |= kDataGrid;
    } else if (key == "reviewword") {
      entry.reviewWord = cursor.U16("reviewword");
    } else if (key == "area") {
      entry.reviewFirstRow = cursor.U16("first row");
      entry.reviewBoxHeight = cursor.U16("box height");
      entry.reviewRepeat = cursor.U16("repeat count");
    } else if (key == "modes") {
      do {
        const std::string name = cursor.Word("mode name");
        modeUses_.push_back({name, cursor.line()});
        entry.modes.push_back(name);
      } while (cursor.TakePunct(",") || !cursor.AtEnd());
    } else if (key == "optionwidth") {
      entry.optionWidth = cursor.Int24("optionwidth");
    } else if (key == "kind") {
      entry.kind = static_cast<EntryKind>(cursor.Unsigned("kind", 3));
    } else if (key == "kindflags") {
      entry.kindByteFlags = cursor.Byte("kindflags");
    } else if (key == "byte66") {
      entry.byte66 = cursor.Byte("byte66");
    } else if (key == "byte76") {
      entry.byte76 = cursor.Byte("byte76");
    } else if (key == "field48") {
      entry.field48 = cursor.Int24("field48");
    } else if (key == "local") {
      Declare(entry.locals, ReadVariable(cursor), cursor, scope.locals);
    } else if (key == "group") {
      entry.variableGroup = ReadGroup(cursor);
    } else {
      UnknownAttribute(cursor, key, "an entry");
    }
  }

  // NAME [letter C] VARIABLE ...
  VariableGroup ReadGroup(Cursor& cursor) {
    VariableGroup group{.name = cursor.Word("group name")};
    if (cursor.TakeWord("letter")) group.sourceLetter = cursor.Letter("letter");
    while (!cursor.AtEnd()) {
      Operand subscript;
      group.variables.push_back(cursor.VariableName(subscript));
      if (subscript.kind != OperandKind::None) cursor.Fail("group elements take no subscript");
      cursor.TakePunct(",");
    }
    return group;
  }

  FileDefinition ReadFileDefinition(const Node& node) {
    FileDefinition file;
    Cursor head = Open(node);
    head.Word("file");
    auto attribute = [&](Cursor& cursor, const std::string& key) {
      if (key == "f18") file.field18 = cursor.Int24("f18");
      else if (key == "f24") file.field24 = cursor.Int24("f24");
      else if (key == "f27") file.field27 = cursor.Int24("f27");
      else if (key == "byte34") file.byte34 = cursor.Byte("byte34");
      else if (key == "key") file.keys.push_back(ReadKey(cursor));
      else if (key == "field") file.fields.push_back(ReadField(cursor));
      else UnknownAttribute(cursor, key, "a file definition");
    };
    ReadAttributes(head, node, "a file definition", attribute);
    return file;
  }

  // [unlisted] [group NAME] VARIABLE ...
  KeyRecord ReadKey(Cursor& cursor) {
    KeyRecord key;
    if (cursor.TakeWord("unlisted")) key.listed = false;
    if (cursor.TakeWord("group")) key.group = ReadGroup(cursor);
    while (!cursor.AtEnd()) {
      Operand subscript;
      key.group.variables.push_back(cursor.VariableName(subscript));
      cursor.TakePunct(",");
    }
    return key;
  }

  FieldRecord ReadField(Cursor& cursor) {
    Operand subscript;
    FieldRecord field{.variable = cursor.VariableName(subscript)};
    while (!cursor.AtEnd()) {
      const std::string key = cursor.Word("attribute of a field");
      if (key == "unlisted") field.listed = false;
      else if (key == "regardless") field.listedRegardless = true;
      else if (key == "further") field.furtherByte9 = cursor.Byte("further");
      else if (key == "nofurther") field.furtherByte9.reset();
      else UnknownAttribute(cursor, key, "a field");
    }
    return field;
  }

  static void OnlyLabel(const Node& node, const std::string& label) {
    if (node.tokens.size() != 1) FailAt(node.line, "'" + label + " {' takes nothing else on its line");
    if (node.blocks.size() != 1) FailAt(node.blocks[1].line, "'" + label + "' takes no '} " + node.blocks[1].label + " {'");
  }

  StatementList ReadList(const std::vector<Node>& nodes) {
    StatementList list;
    for (const Node& node : nodes) list.push_back(ReadStatement(node));
    return list;
  }

  Statement ReadStatement(const Node& node) {
    Cursor cursor = Open(node);
    if (cursor.AtEnd()) cursor.Fail("a block needs a statement before '{'");
    const std::string keyword = cursor.Word("a statement");
    if (keyword == "display") return ReadDisplay(cursor, node);
    if (keyword == "accept") return ReadAccept(cursor, node);
    if (keyword == "print") return ReadPrint(cursor, node);
    if (keyword == "box") return ReadBox(cursor, node);
    if (keyword == "option") return ReadOption(cursor, node);
    if (keyword == "confirm") return ReadConfirm(cursor, node);
    if (keyword == "message" || keyword == "abort" || keyword == "acknowledge") {
      return ReadMessage(cursor, node, keyword);
    }
    if (keyword == "block" || keyword == "if" || keyword == "case" || keyword == "loop" || keyword == "op") {
      return ReadCompound(cursor, node, keyword);
    }
    cursor.Fail("unknown statement '" + keyword + "'");
  }

  // Statements whose blocks are statement lists: block, if/else, case and
  // loop with when/further, and op N with second.
  Statement ReadCompound(Cursor& cursor, const Node& node, const std::string& keyword) {
    Statement statement;
    std::set<std::string> labels;
    if (keyword == "block") {
      statement = Block({});
    } else if (keyword == "if") {
      statement = TwoBranch({}, {});
      labels = {"else"};
    } else if (keyword == "case" || keyword == "loop") {
      statement = keyword == "case" ? MultiBranch({}, {}) : Loop({});
      labels = {"when", "further"};
    } else {
      statement = Other(cursor.Byte("op code"));
      labels = {"second"};
    }
    NoMoreTokens(cursor, keyword);
    for (std::size_t i = 0; i < node.blocks.size(); ++i) {
      const NodeBlock& block = node.blocks[i];
      if (i > 0 && labels.count(block.label) == 0) {
        FailAt(block.line, "'" + keyword + "' takes no '} " + block.label + " {'");
      }
      StatementList list = ReadList(block.nodes);
      if (i == 0) statement.first = std::move(list);
      else if (block.label == "when") statement.alternatives.push_back(std::move(list));
      else if (block.label == "further") statement.further.push_back(std::move(list));
      else statement.second = std::move(list);
    }
    return statement;
  }

  // picture "..." or picture expr
  static void ReadPicture(Cursor& cursor, std::optional<std::string>& picture, bool& expression) {
    if (cursor.TakeWord("expr")) expression = true;
    else picture = cursor.String("picture");
  }

  Statement ReadDisplay(Cursor& cursor, const Node& node) {
    DisplayRecord record{.row = cursor.Coordinate("row"), .column = cursor.Coordinate("column"),
                         .text = cursor.ReadOperand("displayed text")};
    auto attribute = [&](Cursor& line, const std::string& key) {
      if (key == "picture") ReadPicture(line, record.picture, record.pictureExpression);
      else if (key == "attr") record.attributes = line.U16("attr");
      else if (key == "size") record.sizeWord = line.SizeWord("size");
      else if (key == "type") record.type = line.Letter("type");
      else if (key == "width") record.displayWidth = line.Byte("width");
      else if (key == "long") record.longForm = true;
      else if (key == "scale") record.scale = line.Coordinate("scale"), record.longForm = true;
      else if (key == "tag") record.tag = line.U16("tag"), record.longForm = true;
      else if (key == "coltitle") record.columnTitle = line.ReadOperand("coltitle"), record.longForm = true;
      else UnknownAttribute(line, key, "a display");
    };
    ReadAttributes(cursor, node, "a display", attribute);
    return Display(std::move(record));
  }

  Statement ReadAccept(Cursor& cursor, const Node& node) {
    AcceptRecord record{.row = cursor.Coordinate("row"), .column = cursor.Coordinate("column")};
    record.variable = cursor.VariableName(record.subscript);
    std::optional<std::uint16_t> length;
    auto attribute = [&](Cursor& line, const std::string& key) {
      if (key == "picture") ReadPicture(line, record.picture, record.pictureExpression);
      else if (key == "suppressed") record.suppressed = true;
      else if (key == "size") record.sizeWord = line.SizeWord("size");
      else if (key == "width") record.displayWidth = line.Byte("width");
      else if (key == "help") record.help = line.ReadOperand("help");
      else if (key == "title") record.title = line.ReadOperand("title");
      else if (key == "tag") record.tag = line.U16("tag");
      else if (key == "length") length = line.U16("length");
      else if (key == "allowed") record.allowed = line.Values();
      else if (key == "disallowed") record.disallowed = line.Values();
      else UnknownAttribute(line, key, "an accept");
    };
    auto list = [&](const Node& child, const std::string& label) {
      OnlyLabel(child, label);
      StatementList statements = ReadList(child.blocks[0].nodes);
      if (label == "run35") record.runList35 = std::move(statements);
      else if (label == "run44") record.runChain44.push_back(std::move(statements));
      else if (label == "run63") record.runList63 = std::move(statements);
      else FailAt(child.line, "unknown list '" + label + "' of an accept (run35, run44 or run63)");
    };
    ReadAttributes(cursor, node, "an accept", attribute, list);
    Statement statement = Accept(std::move(record));
    statement.length = length;
    return statement;
  }

  Statement ReadPrint(Cursor& cursor, const Node& node) {
    PrintRecord record{.row = cursor.Coordinate("row"), .column = cursor.Coordinate("column"),
                       .value = cursor.ReadOperand("printed value")};
    ReadAttributes(cursor, node, "a print",
                   [](Cursor& line, const std::string& key) { UnknownAttribute(line, key, "a print"); });
    return Print(std::move(record));
  }

  Statement ReadBox(Cursor& cursor, const Node& node) {
    BoxRecord record{.top = cursor.Coordinate("top row"), .left = cursor.Coordinate("left column"),
                     .bottom = cursor.Coordinate("bottom row"), .right = cursor.Coordinate("right column")};
    bool flag = false;
    auto attribute = [&](Cursor& line, const std::string& key) {
      if (key == "title") record.title = line.ReadOperand("title");
      else if (key == "flag") flag = true;
      else UnknownAttribute(line, key, "a box");
    };
    ReadAttributes(cursor, node, "a box", attribute);
    return Box(std::move(record), flag);
  }

  Statement ReadOption(Cursor& cursor, const Node& node) {
    OptionRecord record{.row = cursor.Coordinate("row"), .column = cursor.Coordinate("column")};
    if (cursor.TakeWord("notext")) record.noText = true;
    else record.text = cursor.ReadOperand("option text");
    auto attribute = [&](Cursor& line, const std::string& key) {
      if (key == "help") record.help = line.ReadOperand("help");
      else if (key == "picture") record.pictureNumber = line.Int24("picture");
      else UnknownAttribute(line, key, "an option");
    };
    ReadAttributes(cursor, node, "an option", attribute);
    return Option(std::move(record));
  }

  Statement ReadConfirm(Cursor& cursor, const Node& node) {
    ConfirmRecord record{.row = cursor.Coordinate("row"), .column = cursor.Coordinate("column")};
    const Operand question = cursor.ReadOperand("question");
    if (question.kind == OperandKind::TextNumber) record.question = question.text;
    else if (question.kind != OperandKind::None) cursor.Fail("a confirm question is a \"text\", textno:N or none");
    auto attribute = [&](Cursor& line, const std::string& key) {
      if (key == "default") record.defaultAnswer = line.Letter("default");
      else UnknownAttribute(line, key, "a confirm");
    };
    auto list = [&](const Node& child, const std::string& label) {
      if (label != "run") FailAt(child.line, "unknown list '" + label + "' of a confirm (run)");
      if (record.runLists.size() == 4) FailAt(child.line, "a confirm has at most four run lists");
      OnlyLabel(child, label);
      record.runLists.push_back(ReadList(child.blocks[0].nodes));
    };
    ReadAttributes(cursor, node, "a confirm", attribute, list);
    return Confirm(std::move(record));
  }

  Statement ReadMessage(Cursor& cursor, const Node& node, const std::string& keyword) {
    std::vector<Operand> parts;
    while (cursor.AtOperand()) parts.push_back(cursor.ReadOperand("message part"));
    Operand prompt;
    auto attribute = [&](Cursor& line, const std::string& key) {
      if (key == "prompt" && keyword == "acknowledge") prompt = line.ReadOperand("prompt");
      else UnknownAttribute(line, key, "a " + keyword);
    };
    ReadAttributes(cursor, node, "a " + keyword, attribute);
    if (keyword == "message") return Message(std::move(parts));
    if (keyword == "abort") return Abort(std::move(parts));
    return Acknowledge(std::move(parts), std::move(prompt));
  }

  // Names may be used before they are declared, so they are checked last.
  void CheckNames() const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      for (const NameUse& use : entries_[i].variableUses) {
        if (entries_[i].locals.count(use.name) == 0 && globalNames_.count(use.name) == 0) {
          FailAt(use.line, "unknown variable '" + use.name + "'");
        }
      }
    }
    for (const NameUse& use : programUses_) {
      if (globalNames_.count(use.name) == 0) FailAt(use.line, "unknown variable '" + use.name + "'");
    }
    for (const NameUse& use : modeUses_) {
      if (modeNames_.count(use.name) == 0) FailAt(use.line, "unknown mode '" + use.name + "'");
    }
  }

  Program program_;
  std::vector<NameUse> programUses_;
  std::vector<NameUse>* uses_ = &programUses_;
  std::vector<EntryScope> entries_;
  std::vector<NameUse> modeUses_;
  std::set<std::string> globalNames_;
  std::set<std::string> modeNames_;
};

}  // namespace

std::optional<Program> ParseDescription(std::string_view text, DescriptionError& error) {
  SyntaxError syntax;
  const std::optional<std::vector<Node>> nodes = BuildTree(text, syntax);
  if (!nodes) {
    error = {syntax.line, syntax.message};
    return std::nullopt;
  }
  try {
    return DescriptionReader().Read(*nodes);
  } catch (const DescriptionFailure& failure) {
    error = {failure.line, failure.message};
    return std::nullopt;
  }
}

std::optional<Program> ParseDescription(std::string_view text, std::string& error) {
  DescriptionError detail;
  std::optional<Program> program = ParseDescription(text, detail);
  if (!program) error = std::to_string(detail.line) + ": " + detail.message;
  return program;
}

}  // namespace opimage
