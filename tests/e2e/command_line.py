"""The command line shared by the scenario runners, and their time limit."""

import argparse
import signal
import traceback


class OutOfTime(Exception):
    pass


def parse_and_arm(scenario_names, default_time_limit):
    """Reads the runner's arguments and arms the scenario's time limit: past it,
    or on SIGTERM from CTest, OutOfTime is raised wherever the scenario is."""
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario", choices=sorted(scenario_names))
    parser.add_argument("--game", required=True)
    parser.add_argument("--media", required=True)
    parser.add_argument("--artifacts", required=True)
    parser.add_argument("--time-limit", type=float, default=default_time_limit)
    arguments = parser.parse_args()

    def out_of_time(signum, frame):
        raise OutOfTime(f"the scenario took longer than {arguments.time_limit:.0f} s")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, out_of_time)
    signal.setitimer(signal.ITIMER_REAL, arguments.time_limit)
    return arguments


def report_failure(how, artifacts):
    """Disarms the time limit and says what failed, how, and where its traces
    are; returns the runner's exit status."""
    signal.setitimer(signal.ITIMER_REAL, 0)
    traceback.print_exc()
    print(f"FAILED {how}")
    print(f"screenshots, recordings and the console are in {artifacts}")
    return 1
