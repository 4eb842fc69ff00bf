#include "UsageFigures.h"

#include <QLoggingCategory>

namespace pacewise {

Q_LOGGING_CATEGORY(lcUsage, "pacewise.usage", QtInfoMsg)

UsageFigures UsageFigures::fetch(const UsageSources &sources, Ask ask)
{
    UsageFigures figures{.takenAt = sources.now()};
    auto recorded = sources.stateFile.readExplained(figures.takenAt);
    if (ask == Ask::automatic && recorded && recorded->isFreshFromStatusLine(figures.takenAt)) {
        figures.snapshot = recorded->snapshot;
        figures.source = Source::statusLine;
        figures.confirmedAt = std::min(*recorded->statusLineConfirmedAt, figures.takenAt);
        return figures;
    }
    if (ask != Ask::stateFileOnly) {
        const auto fetched = sources.claude->fetch();
        // The state file may have been written while claude was asked.
        figures.takenAt = sources.now();
        if (fetched) {
            const auto merged = sources.stateWriter.write(*fetched, figures.takenAt);
            if (!merged)
                qCWarning(lcUsage, "usage state not recorded: %s", qUtf8Printable(merged.error().reason()));
            figures.snapshot = merged ? *merged : *fetched;
            figures.source = Source::claude;
            return figures;
        }
        figures.claudeError = fetched.error();
        if (ask == Ask::claudeOnly)
            return figures;
        recorded = sources.stateFile.readExplained(figures.takenAt);
    }
    if (recorded) {
        figures.snapshot = recorded->snapshot;
        figures.source = Source::stateFile;
    } else {
        figures.stateFileError = recorded.error();
    }
    return figures;
}

} // namespace pacewise
