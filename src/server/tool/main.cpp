// addresspelgar-store: loads demo samples into an address book store and
// shows what a store holds.

#include "demo/DemoLoader.h"
#include "demo/StoreDump.h"
#include "store/OsUser.h"
#include "store/Store.h"
#include "store/StoreLocation.h"

#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

namespace {

void usage(std::ostream &out)
{
    out << "usage: addresspelgar-store [--store PATH] [--load FILE] [--dump]\n"
           "  --store PATH  the store file (default: $"
        << collab::store::StoreLocation::Variable << ", else "
        << collab::store::StoreLocation::defaultPath().string()
        << ")\n"
           "  --load FILE   load a demo sample for the current user (see data/demo-store.txt)\n"
           "  --dump        print the accounts, books, entries and fields of the store\n";
}

} // namespace

int main(int argc, char **argv)
{
    std::optional<std::string> storePath;
    std::optional<std::string> loadFile;
    bool dump = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--store" || argument == "--load") && i + 1 < argc) {
            (argument == "--store" ? storePath : loadFile) = argv[++i];
        } else if (argument == "--dump") {
            dump = true;
        } else if (argument == "--help" || argument == "-h") {
            usage(std::cout);
            return 0;
        } else {
            std::cerr << "addresspelgar-store: unexpected argument '" << argument << "'\n";
            usage(std::cerr);
            return 2;
        }
    }
    if (!loadFile && !dump) {
        usage(std::cerr);
        return 2;
    }

    try {
        collab::store::Store store(
            collab::store::StoreOptions{storePath ? std::filesystem::path(*storePath) : collab::store::StoreLocation::configured(), false, {}});
        if (loadFile) {
            std::ifstream input(*loadFile);
            if (!input) {
                std::cerr << "addresspelgar-store: cannot open " << *loadFile << ": " << std::strerror(errno) << '\n';
                return 1;
            }
            const auto summary =
                collab::demo::DemoLoader::load(store, collab::store::OsUser::current(), input, *loadFile);
            std::cout << "loaded " << summary.accounts << " accounts, " << summary.books << " books, "
                      << summary.entries << " entries, " << summary.fields << " fields into "
                      << store.path().string() << '\n';
        }
        if (dump)
            collab::demo::StoreDump::write(store, std::cout);
    } catch (const std::exception &error) {
        std::cerr << "addresspelgar-store: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
