// A loadable server module for the registry tests. Its object also shows the
// checks every ServerObject shares, across a real module boundary.
#include <automation/ServerObject.h>

#include <string>

namespace {

using namespace automation;

enum : DispId { ProgIdMember = 1, Echo, Twice, Exclaim, Fail, Refuse };

class ModuleObject final : public ServerObject {
public:
    explicit ModuleObject(std::string progId) : progId_(std::move(progId)) {}

protected:
    std::span<const Member> members() const noexcept override
    {
        static constexpr Member table[] = {
            {"ProgId", ProgIdMember, Method | PropertyGet, 0, 0},
            {"Echo", Echo, Method, 1, 1},
            {"Twice", Twice, Method, 1, 1},
            {"Exclaim", Exclaim, Method, 1, 1},
            {"Fail", Fail, Method, 0, 0},
            {"Refuse", Refuse, Method, 0, 0},
        };
        return table;
    }

    void invokeMember(DispId id, unsigned, std::span<Variant> args, Variant *result) override
    {
        switch (id) {
        case ProgIdMember: return setResult(result, Variant(progId_));
        case Echo: return setResult(result, args[0].dereferenced());
        case Twice: return setResult(result, Variant(2 * integerArgument(args[0])));
        case Exclaim: return setResult(result, Variant(stringArgument(args[0]) + "!"));
        case Fail: throw ServerException("Module failure. ", hr(0x80040777));
        default: throw StatusException(Disp_E_Overflow);
        }
    }

private:
    std::string progId_;
};

} // namespace

extern "C" automation::HResult automation_create_object(const char *progId, automation::Dispatch **object)
{
    // ProgIDs starting "Refuse" show a module's own failure reaching the caller.
    if (std::string(progId).rfind("Refuse", 0) == 0)
        return automation::E_NotImpl;
    *object = new ModuleObject(progId);
    return automation::S_Ok;
}
