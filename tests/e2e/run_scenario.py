"""Runs one end-to-end scenario against the built game.

usage: run_scenario.py SCENARIO --game PATH --media FOLDER --artifacts FOLDER
       [--time-limit SECONDS]

A failed run leaves its screenshots, recordings, console and a timeline in
<artifacts>/<scenario>/."""

import os
import signal
import sys
import time

# No __pycache__ in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from command_line import OutOfTime, parse_and_arm, report_failure  # noqa: E402
from steps import ShipShotByChance  # noqa: E402

try:
    import scenarios  # noqa: E402
except ImportError as missing:
    sys.exit(f"{missing}: the end-to-end tests need Debian's python3-xlib, sox and imagemagick "
             "(scripts/install-deps.sh test)")


# A scenario whose ship the game's own dice shot down is run once more.
ATTEMPTS = 2
ATTEMPT_VARIABLE = "VANTORIX_E2E_ATTEMPT"


def main():
    arguments = parse_and_arm(scenarios.SCENARIOS, default_time_limit=120)
    artifacts = os.path.join(os.path.abspath(arguments.artifacts), arguments.scenario)
    started = time.monotonic()
    try:
        scenarios.run(arguments.scenario, os.path.abspath(arguments.game),
                      os.path.abspath(arguments.media), artifacts)
    except ShipShotByChance as lost:
        signal.setitimer(signal.ITIMER_REAL, 0)
        attempt = int(os.environ.get(ATTEMPT_VARIABLE, "1"))
        if attempt < ATTEMPTS:
            # Once more in a fresh process, as if the test had been started again.
            print(f"attempt {attempt}: {lost}; trying again", flush=True)
            os.environ[ATTEMPT_VARIABLE] = str(attempt + 1)
            os.execv(sys.executable, [sys.executable] + sys.argv)
        return report_failure(f"after {ATTEMPTS} attempts: {lost}", artifacts)
    except Exception as failure:
        return report_failure(f"after {time.monotonic() - started:.1f} s: {failure}", artifacts)
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
