"""Child processes that cannot outlive the scenario: if the driver is killed
(a CTest timeout sends SIGKILL), the kernel kills them too."""

import ctypes
import signal
import subprocess

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def spawn_child(command, **options):
    """subprocess.Popen whose child is killed when this process dies. Call it
    from the main thread only: the death signal follows the spawning thread."""
    return subprocess.Popen(command, preexec_fn=_die_with_parent, **options)


def stop_child(process, grace=5):
    """Asks a child that is still running to end, and kills it if it has not
    within `grace` seconds."""
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
