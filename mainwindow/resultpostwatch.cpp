#include "mainwindow/resultpostwatch.h"

#include <algorithm>

void ResultPostWatch::racePosted(const QString &race, const RacePosts &posts)
{
    if (posts.results.isEmpty() && posts.notice == 0)
        return;
    m_races.append({posts, Missing{race, {}, false}});
    while (m_races.size() > kMaxRaces)
        m_races.removeFirst();
}

void ResultPostWatch::raceNotPosted(const QString &race)
{
    m_races.append({RacePosts(), Missing{race, {}, false, true}});
    while (m_races.size() > kMaxRaces)
        m_races.removeFirst();
}

bool ResultPostWatch::postFinished(quint64 post, bool reached)
{
    for (int index = 0; index < m_races.size(); ++index) {
        Race &race = m_races[index];
        const bool isNotice = race.pending.notice == post;
        const auto result = std::find_if(race.pending.results.begin(), race.pending.results.end(),
                                         [post](const RacePosts::Result &r) { return r.post == post; });
        if (!isNotice && result == race.pending.results.end())
            continue;
        if (isNotice) {
            race.pending.notice = 0;
            race.missing.notice = !reached;
        } else {
            if (!reached)
                race.missing.lanes.append(result->lane);
            race.pending.results.erase(result);
        }
        const bool done = race.pending.results.isEmpty() && race.pending.notice == 0;
        if (done && race.missing.lanes.isEmpty() && !race.missing.notice) {
            // every post of this race got through: what the races before it missed is told no more
            const bool wasTold = std::any_of(m_races.cbegin(), m_races.cbegin() + index, [](const Race &r) {
                return !r.missing.lanes.isEmpty() || r.missing.notice || r.missing.notPosted;
            });
            m_races.erase(m_races.begin(), m_races.begin() + index + 1);
            return wasTold;
        }
        return !reached;
    }
    return false;
}

bool ResultPostWatch::forget()
{
    const bool wasTold = !missing().isEmpty();
    m_races.clear();
    return wasTold;
}

QList<ResultPostWatch::Missing> ResultPostWatch::missing() const
{
    QList<Missing> missing;
    for (const Race &race : m_races) {
        if (!race.missing.lanes.isEmpty() || race.missing.notice || race.missing.notPosted)
            missing.append(race.missing);
    }
    return missing;
}
