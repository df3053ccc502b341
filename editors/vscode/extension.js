// Starts orvia-lsp over stdio for Orvia knowledge files and adds the command
// "Orvia: Try a sentence", whose reply and trace go to an output channel.
'use strict';

const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');

let client;
let output;

function serverPath() {
  return vscode.workspace.getConfiguration('orvia').get('serverPath') || 'orvia-lsp';
}

function startClient() {
  const run = { command: serverPath(), args: [] };
  client = new LanguageClient('orvia-lsp', 'Orvia', { run, debug: run }, {
    documentSelector: [
      { scheme: 'file', language: 'orvia' },
      { scheme: 'file', language: 'orvia-table' },
    ],
    synchronize: {
      fileEvents: vscode.workspace.createFileSystemWatcher('**/data/*.txt'),
    },
    middleware: {
      // The server's "try" code action on a keyword line runs this command;
      // its answer is shown rather than dropped.
      executeCommand: (command, args, next) =>
        command === 'orvia.trySentence' && typeof args[0] === 'string'
          ? trySentence(args[0])
          : next(command, args),
    },
  });
  return client.start().catch((err) => {
    vscode.window.showErrorMessage(
      `Orvia: cannot start "${serverPath()}" (${err.message}). Install orvia or set orvia.serverPath.`);
  });
}

async function trySentence(sentence) {
  if (sentence === undefined) {
    sentence = await vscode.window.showInputBox({
      prompt: 'A sentence to say to Orvia',
      placeHolder: 'I think my dog is ill',
    });
  }
  if (!sentence) return;
  if (!client || !client.isRunning()) {
    vscode.window.showErrorMessage('Orvia: orvia-lsp is not running; open a file of a data/ folder first.');
    return;
  }
  let result;
  try {
    result = await client.sendRequest('workspace/executeCommand', {
      command: 'orvia.trySentence',
      arguments: [sentence],
    });
  } catch (err) {
    vscode.window.showErrorMessage(`Orvia: ${err.message}`);
    return;
  }
  output.appendLine(`> ${sentence}`);
  output.appendLine(`<Orvia> ${(result && result.reply) || ''}`);
  for (const line of (result && result.trace) || []) output.appendLine(`    ${line}`);
  output.appendLine('');
  output.show(true);
}

function activate(context) {
  output = vscode.window.createOutputChannel('Orvia');
  context.subscriptions.push(output);
  context.subscriptions.push(vscode.commands.registerCommand('orvia.try', () => trySentence()));
  context.subscriptions.push(vscode.workspace.onDidChangeConfiguration(async (e) => {
    if (!e.affectsConfiguration('orvia.serverPath')) return;
    if (client) await client.stop().catch(() => {});
    startClient();
  }));
  startClient();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
