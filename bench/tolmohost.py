"""One tolmo-host process driven through its JSON lines, as the crash trials and the load test
drive it. A command's reply is the line that carries the command's "seq"; the lines before it
are what happened meanwhile (message boxes, events, dialogs shown)."""
import json
import signal
import subprocess

USER = 2  # the senior partner, an accounting owner of the demo firm


class Host:
    def __init__(self, binary, url, settings, user=USER):
        self.user = user
        self.p = subprocess.Popen([binary, '--db', url, '--settings', settings, '--user', str(user)],
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                  text=True, bufsize=1)
        self.seq = 0
        self.happened = []

    def send(self, command):
        """Writes one command without waiting for its reply."""
        self.seq += 1
        self.p.stdin.write(json.dumps(dict(command, seq=self.seq)) + '\n')
        self.p.stdin.flush()

    def reply(self):
        """The reply of the last command sent; what happened before it is kept in `happened`."""
        self.happened = []
        while True:
            line = self.p.stdout.readline()
            if not line:
                raise RuntimeError('tolmo-host ended')
            out = json.loads(line)
            if out.get('seq') == self.seq:
                return out
            self.happened.append(out)

    def ask(self, command):
        self.send(command)
        return self.reply()

    def call(self, name, *a):
        return self.ask({'call': name, 'args': list(a)})

    def messages(self):
        return [h['msgbox']['text'] for h in self.happened if 'msgbox' in h]

    def events(self, name):
        return [h['args'] for h in self.happened if h.get('event') == name]

    def field(self, form, control):
        return self.ask({'dump': form})['form'][control]

    def choose(self, control, column, value):
        """Opens the list of "FORM.CONTROL" and chooses the row whose column `column` is `value`."""
        form, name = control.split('.', 1)
        self.ask({'fire': control, 'event': 'DropDown'})
        rows = self.field(form, name)['rows']
        row = next(r for r, text in enumerate(rows) if text.split('\t')[column] == str(value))
        self.ask({'set': control, 'row': row})

    def start(self):
        """What a host does first: Start, the firm's lire-per-euro rate, the accounting owner."""
        self.call('Start')
        self.call('SettaCambioValuta', '1936,27', 'EURO')
        self.call('SettaContabilita', self.user)

    def kill(self):
        """Kills the process; true when the reply of the last command had not come yet."""
        self.p.send_signal(signal.SIGKILL)
        self.p.wait()
        for line in self.p.stdout.read().splitlines():
            try:
                if json.loads(line).get('seq') == self.seq:
                    return False
            except ValueError:
                pass  # a line cut by the kill
        return True

    def close(self):
        self.p.stdin.close()
        self.p.wait()
