// One full generate request (validate, capture, find the sign, build the reading), timed in
// batches; prints the median time per request.

#include "reading/engine.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace modRunicAstrology;

namespace {

constexpr int Batches = 101;
constexpr int RequestsPerBatch = 5000;

// Dates spread over the year so that every sign and both sides of the month rule are hit.
std::vector<GenerateRequest> makeRequests() {
    std::vector<GenerateRequest> requests;
    for (int month = 0; month < 12; ++month) {
        for (const int day : {3, 19, 21, 28}) {
            requests.push_back({"  ANNA MARIA  ", day - 1, month, std::to_string(day),
                                std::string(monthEntries()[static_cast<std::size_t>(month)]),
                                std::to_string(1900 + 7 * month + day)});
        }
    }
    return requests;
}

double batchNanosecondsPerRequest(const std::vector<GenerateRequest>& requests, std::size_t& sink) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < RequestsPerBatch; ++i) {
        const GenerateResult result =
            generateReading(requests[static_cast<std::size_t>(i) % requests.size()]);
        sink += result.reading
                    ? (*result.reading)[modRunicAstrology::Field::SunSignPositiveTraits].size()
                    : 1;
    }
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / RequestsPerBatch;
}

} // namespace

int main() {
    const std::vector<GenerateRequest> requests = makeRequests();
    std::size_t sink = 0;
    batchNanosecondsPerRequest(requests, sink); // warm-up

    std::array<double, Batches> perRequest{};
    for (double& batch : perRequest)
        batch = batchNanosecondsPerRequest(requests, sink);
    std::sort(perRequest.begin(), perRequest.end());

    std::printf("GenerateReading: median %.0f ns per request (min %.0f, max %.0f; %d batches of "
                "%d; checksum %zu)\n",
                perRequest[Batches / 2], perRequest.front(), perRequest.back(), Batches,
                RequestsPerBatch, sink);
    return 0;
}
