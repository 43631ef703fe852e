#!/usr/bin/python3
"""A bare WebKitGTK browser for the browser tests, launched by WebKitWebDriver.

The stock MiniBrowser keeps an automation session's data ephemeral, and an
ephemeral page writes no console message anywhere a test could read it. This
host keeps its data in the directory it is given (a fresh temporary one per
session, never the user's own) and writes every console message to standard
output, which the test driver reads.

    webkit-host.py --automation --data-dir DIR
"""
import argparse

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import Gtk, WebKit2  # noqa: E402

parser = argparse.ArgumentParser()
parser.add_argument("--automation", action="store_true")
parser.add_argument("--data-dir", required=True)
options = parser.parse_args()

manager = WebKit2.WebsiteDataManager(
    base_data_directory=f"{options.data_dir}/data",
    base_cache_directory=f"{options.data_dir}/cache",
)
context = WebKit2.WebContext(website_data_manager=manager)
context.set_automation_allowed(options.automation)
settings = WebKit2.Settings(enable_write_console_messages_to_stdout=True)


def create_web_view(_session):
    view = WebKit2.WebView(web_context=context, settings=settings, is_controlled_by_automation=True)
    window = Gtk.Window()
    window.add(view)
    # window.close() from the page, or the driver closing the window, ends
    # the browser: a session has one window.
    view.connect("close", lambda _view: window.destroy())
    window.connect("destroy", lambda _window: Gtk.main_quit())
    window.show_all()
    return view


def automation_started(_context, session):
    info = WebKit2.ApplicationInfo()
    info.set_name("WebKitGTK")
    info.set_version(WebKit2.get_major_version(), WebKit2.get_minor_version(), WebKit2.get_micro_version())
    session.set_application_info(info)
    session.connect("create-web-view", create_web_view)


context.connect("automation-started", automation_started)
Gtk.main()
