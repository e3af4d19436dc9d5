#include "mainwindow/resultpostwatch.h"

#include <algorithm>

#include <QStringList>

void ResultPostWatch::racePosted(const PostedRace &race, const RacePosts &posts)
{
    if (posts.results.isEmpty() && posts.notice == 0)
        return;
    m_races.append({posts, Missing{race, {}, false}});
    while (m_races.size() > kMaxRaces)
        m_races.removeFirst();
}

void ResultPostWatch::raceNotPosted(const PostedRace &race)
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

bool ResultPostWatch::awaitingReplies() const
{
    return std::any_of(m_races.cbegin(), m_races.cend(), [](const Race &race) {
        return !race.pending.results.isEmpty() || race.pending.notice != 0;
    });
}

bool ResultPostWatch::giveUpReplies()
{
    bool changed = false;
    for (Race &race : m_races) {
        for (const RacePosts::Result &result : std::as_const(race.pending.results))
            race.missing.lanes.append(result.lane);
        changed = changed || !race.pending.results.isEmpty() || race.pending.notice != 0;
        race.missing.notice = race.missing.notice || race.pending.notice != 0;
        race.pending = RacePosts();
    }
    return changed;
}

QString ResultPostWatch::describe(const Missing &missing, const QString &raceName)
{
    QList<quint8> sorted = missing.lanes;
    std::sort(sorted.begin(), sorted.end());
    QStringList numbers;
    for (const quint8 lane : std::as_const(sorted))
        numbers << QString::number(lane);
    const QString lanes = numbers.join(QStringLiteral(", "));
    // whole sentences: the languages order and inflect them each their own way
    QString sentence;
    if (missing.notPosted)
        sentence = tr("Race %1, heat %2, start %3: not posted to the meet server, its athletes had not come");
    else if (numbers.isEmpty())
        sentence = tr("Race %1, heat %2, start %3: the meet server has not confirmed the heat's notice");
    else if (numbers.size() == 1 && missing.notice)
        sentence =
            tr("Race %1, heat %2, start %3: the meet server has not confirmed the result of lane %4 or "
               "the heat's notice");
    else if (numbers.size() == 1)
        sentence = tr("Race %1, heat %2, start %3: the meet server has not confirmed the result of lane %4");
    else if (missing.notice)
        sentence = tr("Race %1, heat %2, start %3: the meet server has not confirmed the results of lanes %4 "
                      "or the heat's notice");
    else
        sentence =
            tr("Race %1, heat %2, start %3: the meet server has not confirmed the results of lanes %4");
    const QString heat = QString::number(missing.race.heat);
    const QString start = QString::number(missing.race.start);
    // one pass: a race name that holds a "%" is taken as it is
    return numbers.isEmpty() ? sentence.arg(raceName, heat, start)
                             : sentence.arg(raceName, heat, start, lanes);
}
