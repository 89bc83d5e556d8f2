"""Runs one end-to-end scenario against the built game.

usage: run_scenario.py SCENARIO --game PATH --media FOLDER --artifacts FOLDER
       [--time-limit SECONDS]

A failed run leaves its screenshots, recordings, console and a timeline in
<artifacts>/<scenario>/."""

import argparse
import os
import signal
import sys
import time
import traceback

# No __pycache__ in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

try:
    import scenarios  # noqa: E402
except ImportError as missing:
    sys.exit(f"{missing}: the end-to-end tests need Debian's python3-xlib, sox and imagemagick "
             "(scripts/install-deps.sh test)")


class OutOfTime(Exception):
    pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario", choices=sorted(scenarios.SCENARIOS))
    parser.add_argument("--game", required=True)
    parser.add_argument("--media", required=True)
    parser.add_argument("--artifacts", required=True)
    parser.add_argument("--time-limit", type=float, default=120)
    arguments = parser.parse_args()

    def out_of_time(signum, frame):
        raise OutOfTime(f"the scenario took longer than {arguments.time_limit:.0f} s")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, out_of_time)
    signal.setitimer(signal.ITIMER_REAL, arguments.time_limit)
    artifacts = os.path.join(os.path.abspath(arguments.artifacts), arguments.scenario)
    started = time.monotonic()
    try:
        scenarios.run(arguments.scenario, os.path.abspath(arguments.game),
                      os.path.abspath(arguments.media), artifacts)
    except Exception as failure:
        signal.setitimer(signal.ITIMER_REAL, 0)
        traceback.print_exc()
        print(f"FAILED after {time.monotonic() - started:.1f} s: {failure}")
        print(f"screenshots, recordings and the console are in {artifacts}")
        return 1
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
