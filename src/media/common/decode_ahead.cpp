// Pictures decoded ahead of their loads: start-up names the files it is about
// to load and worker threads decode them while the loads take them in turn.
// Only the decoding moves off the caller's thread; cutting the cells, the
// mask colour, the handles and every result stay exactly as a plain load
// gives them, in the same order, so every run is the same.
//
// Workers stay a few files ahead of the loads, so decoded pictures do not pile
// up in memory. A load that finds its file not yet started decodes it itself,
// so a load never waits on a file no worker will reach.
#include <algorithm>
#include <condition_variable>
#include <system_error>
#include <thread>

#include "media_internal.h"

namespace media {
namespace {

enum class Slot : uint8_t { Waiting, Decoding, Ready, Taken };

struct Batch {
    std::vector<std::string> paths;
    std::vector<Picture> pictures;
    std::vector<uint8_t> decoded;  // 1 when the picture decoded
    std::vector<Slot> slots;
    size_t next = 0;   // the next file a worker starts
    size_t taken = 0;  // files taken by their loads
    size_t ahead = 0;  // how far past the loads the workers may run
    bool stop = false;
    std::mutex lock;
    std::condition_variable changed;
    std::vector<std::thread> workers;

    ~Batch() {
        {
            std::lock_guard<std::mutex> guard(lock);
            stop = true;
        }
        changed.notify_all();
        for (std::thread& t : workers) t.join();
    }

    void Work() {
        std::unique_lock<std::mutex> guard(lock);
        for (;;) {
            // Skip files a load decoded itself.
            while (next < slots.size() && slots[next] != Slot::Waiting) ++next;
            if (stop || next >= slots.size()) return;
            if (next >= taken + ahead) {
                changed.wait(guard);
                continue;
            }
            const size_t i = next++;
            slots[i] = Slot::Decoding;
            guard.unlock();
            Picture picture;
            const bool ok = DecodePng(paths[i], picture, nullptr);
            guard.lock();
            pictures[i] = std::move(picture);
            decoded[i] = ok ? 1 : 0;
            slots[i] = Slot::Ready;
            changed.notify_all();
        }
    }
};

std::unique_ptr<Batch> g_batch;

}  // namespace

void StopDecodingAhead() { g_batch.reset(); }

bool TakeDecodedPicture(const std::string& path, Picture& out, bool* decoded) {
    Batch* b = g_batch.get();
    if (!b) return false;
    std::unique_lock<std::mutex> guard(b->lock);
    size_t i = 0;
    while (i < b->paths.size() && (b->slots[i] == Slot::Taken || b->paths[i] != path)) ++i;
    if (i == b->paths.size()) return false;
    if (b->slots[i] == Slot::Waiting) {
        b->slots[i] = Slot::Decoding;
        guard.unlock();
        *decoded = DecodePng(path, out, nullptr);
        guard.lock();
    } else {
        b->changed.wait(guard, [&] { return b->slots[i] == Slot::Ready; });
        out = std::move(b->pictures[i]);
        b->pictures[i] = Picture{};
        *decoded = b->decoded[i] != 0;
    }
    b->slots[i] = Slot::Taken;
    ++b->taken;
    const bool allTaken = b->taken == b->slots.size();
    b->changed.notify_all();
    guard.unlock();
    if (allTaken) g_batch.reset();
    return true;
}

}  // namespace media

void PrepareImageFiles(const std::vector<std::string>& paths) {
    media::StopDecodingAhead();
    if (paths.empty()) return;
    auto batch = std::make_unique<media::Batch>();
    batch->paths = paths;
    batch->pictures.resize(paths.size());
    batch->decoded.assign(paths.size(), 0);
    batch->slots.assign(paths.size(), media::Slot::Waiting);
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t workers = std::min({cores, size_t{8}, paths.size()});
    batch->ahead = 2 * workers + 2;
    try {
        for (size_t w = 0; w < workers; ++w) batch->workers.emplace_back([b = batch.get()] { b->Work(); });
    } catch (const std::system_error&) {
        // No more threads to be had: the loads decode what no worker takes.
    }
    media::g_batch = std::move(batch);
}
