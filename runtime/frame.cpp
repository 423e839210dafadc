#include "runtime/frame.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace pixa {

namespace {
constexpr std::size_t kMaxLevels = 72;

std::vector<const Frame*>& Frames() {
    thread_local std::vector<const Frame*> frames;
    return frames;
}
}  // namespace

Frame::Frame(const char* name, std::source_location where)
    : self_(nullptr), name_(name), function_(where.function_name()), line_(static_cast<int>(where.line())) {
    Frames().push_back(this);
}

Frame::Frame(const Object& self, const char* method, std::source_location where)
    : self_(&self), name_(method), function_(where.function_name()), line_(static_cast<int>(where.line())) {
    Frames().push_back(this);
}

Frame::~Frame() {
    // Frames end in reverse order of their start; an exception unwinds them the same way.
    auto& frames = Frames();
    auto it = std::find(frames.rbegin(), frames.rend(), this);
    if (it != frames.rend()) frames.erase(std::next(it).base());
}

Frame& Frame::Param(Value value) {
    params_.push_back(std::move(value));
    return *this;
}

Frame& Frame::Local(Value value) {
    locals_.push_back(std::move(value));
    return *this;
}

void Frame::SetLocal(std::size_t position, Value value) {
    if (position == 0) return;
    if (locals_.size() < position) locals_.resize(position);
    locals_[position - 1] = std::move(value);
}

std::string Frame::Name() const { return self_ ? self_->ClassName() + ":" + name_ : std::string(name_); }

std::string ShortFunctionName(const char* function) {
    std::string text = function ? function : "";
    auto open = text.find('(');
    if (open != std::string::npos) text.erase(open);
    auto blank = text.rfind(' ');
    if (blank != std::string::npos) text.erase(0, blank + 1);
    // The last two scope parts: a class and its method, or a namespace and a function.
    auto last = text.rfind("::");
    if (last == std::string::npos) return text;
    auto before = text.rfind("::", last == 0 ? 0 : last - 1);
    std::string scope = text.substr(before == std::string::npos ? 0 : before + 2, last - (before == std::string::npos ? 0 : before + 2));
    std::string name = text.substr(last + 2);
    bool isClass = !scope.empty() && std::isupper(static_cast<unsigned char>(scope[0])) && scope != "{anonymous}";
    return isClass ? scope + ":" + name : name;
}

std::vector<StackLevel> CallStack(const std::source_location& raisedAt) {
    std::vector<StackLevel> levels;
    const auto& frames = Frames();
    bool raisedInTop = !frames.empty() && std::strcmp(frames.back()->Function(), raisedAt.function_name()) == 0;
    if (!raisedInTop && raisedAt.line() != 0)
        levels.push_back({ShortFunctionName(raisedAt.function_name()), static_cast<int>(raisedAt.line()), {}, {}});
    for (auto it = frames.rbegin(); it != frames.rend() && levels.size() < kMaxLevels; ++it) {
        const Frame& f = **it;
        levels.push_back({f.Name(), f.Line(), f.Params(), f.Locals()});
    }
    if (raisedInTop) levels.front().line = static_cast<int>(raisedAt.line());
    return levels;
}

namespace {
std::vector<std::string>& Classes() {
    static std::vector<std::string> classes;
    return classes;
}
}  // namespace

void NoteClass(const std::string& className) {
    auto& classes = Classes();
    if (std::find(classes.begin(), classes.end(), className) == classes.end()) classes.push_back(className);
}

const std::vector<std::string>& ClassesInUse() { return Classes(); }

}  // namespace pixa
