// Measuring a camera path against the schedule.
#include "tools/campath/path_check.h"

#include <cmath>
#include <cstdio>

#include "app/timer.h"
#include "production/schedule.h"

namespace tools::campath {
namespace {

float Distance(const CameraKey& a, const CameraKey& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                     (a.z - b.z) * (a.z - b.z));
}

}  // namespace

double PartEndSeconds(int part) {
    return static_cast<double>(production::PartEnd(part)) / app::kTicksPerSecond;
}

int PartAtSecond(double second) {
    for (int part = 0; part < production::kPartCount; ++part) {
        if (second < PartEndSeconds(part)) {
            return part;
        }
    }
    return production::kPartCount - 1;
}

double ScheduleSeconds() {
    return PartEndSeconds(production::kPartCount - 1);
}

PathReport CheckPath(const std::vector<CameraKey>& keys, float jumpLimit) {
    PathReport report;
    report.keyCount = keys.size();
    report.playableSeconds =
        keys.size() > kKeysPastPlayable ? double(keys.size() - kKeysPastPlayable) : 0.0;
    report.scheduleSeconds = ScheduleSeconds();
    for (size_t i = 0; i + 1 < keys.size(); ++i) {
        float distance = Distance(keys[i], keys[i + 1]);
        if (distance > jumpLimit) {
            report.jumps.push_back({i, distance});
        }
    }
    return report;
}

std::string ReportText(const PathReport& report) {
    char line[160];
    std::snprintf(line, sizeof line, "%zu keys: plays %.0f s of the schedule's %.0f s (%s)\n",
                  report.keyCount, report.playableSeconds, report.scheduleSeconds,
                  report.LongEnough() ? "long enough" : "too short");
    std::string text = line;
    std::snprintf(line, sizeof line, "%zu jumps\n", report.jumps.size());
    text += line;
    for (const PathJump& jump : report.jumps) {
        std::snprintf(line, sizeof line, "jump of %.1f units from second %zu to %zu (part %d)\n",
                      static_cast<double>(jump.distance), jump.fromKey, jump.fromKey + 1,
                      PartAtSecond(static_cast<double>(jump.fromKey)));
        text += line;
    }
    return text;
}

}  // namespace tools::campath
