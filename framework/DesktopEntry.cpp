#include "framework/DesktopEntry.h"

namespace {

constexpr const char* ReservedCharacters = " \t\n\"'\\><~|&;$*?#()`";

std::string QuotedArgument(const std::string& argument)
{
    std::string out;
    for (char c : argument) {
        if (c == '%')
            out += '%';
        out += c;
    }
    if (!out.empty() && out.find_first_of(ReservedCharacters) == std::string::npos)
        return out;
    std::string quoted = "\"";
    for (char c : out) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string ListValue(const std::vector<std::string>& items)
{
    std::string out;
    for (const std::string& item : items)
        out += EscapeEntryValue(item) + ";";
    return out;
}

std::string Line(const char* key, const std::string& value) { return std::string(key) + "=" + value + "\n"; }

}  // namespace

std::string ExecLine(const TDesktopCommand& command)
{
    std::vector<std::string> words;
    for (const std::string& argument : command.Arguments)
        words.push_back(QuotedArgument(argument));
    if (!command.FieldCode.empty())
        words.push_back(command.FieldCode);
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty())
            line += ' ';
        line += word;
    }
    return line;
}

std::string EscapeEntryValue(const std::string& value)
{
    std::string out;
    for (char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case ' ': out += out.empty() ? "\\s" : " "; break;
        default: out += c;
        }
    }
    return out;
}

std::string TDesktopEntry::Text() const
{
    std::string text = "[Desktop Entry]\n";
    text += Line("Type", "Application");
    text += Line("Version", "1.4");
    text += Line("Name", EscapeEntryValue(Name));
    if (!GenericName.empty())
        text += Line("GenericName", EscapeEntryValue(GenericName));
    if (!Comment.empty())
        text += Line("Comment", EscapeEntryValue(Comment));
    if (!Icon.empty())
        text += Line("Icon", EscapeEntryValue(Icon));
    if (!Exec.Arguments.empty())
        text += Line("TryExec", EscapeEntryValue(Exec.Arguments.front()));
    text += Line("Exec", EscapeEntryValue(ExecLine(Exec)));
    text += Line("Terminal", "false");
    if (!MimeTypes.empty())
        text += Line("MimeType", ListValue(MimeTypes));
    if (!Categories.empty())
        text += Line("Categories", ListValue(Categories));
    std::vector<std::string> ids;
    for (const TDesktopAction& action : Actions)
        ids.push_back(action.Id);
    if (!ids.empty())
        text += Line("Actions", ListValue(ids));
    for (const TDesktopAction& action : Actions) {
        text += "\n[Desktop Action " + action.Id + "]\n";
        text += Line("Name", EscapeEntryValue(action.Name));
        text += Line("Exec", EscapeEntryValue(ExecLine(action.Exec)));
    }
    return text;
}
