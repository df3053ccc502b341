-- Orvia knowledge files in Neovim (0.7 and later): colours, and the orvia-lsp
-- language server for every file of a knowledge base's data/ folder.
--
-- In your init.lua (the Debian package installs this file there):
--   dofile('/usr/share/orvia/editors/nvim/orvia-lsp.lua')
-- or copy it into ~/.config/nvim/plugin/. Another server command:
--   vim.g.orvia_lsp_cmd = { '/path/to/orvia-lsp' }
--
-- Key maps to suggest, for an orvia buffer (set them in a FileType autocmd):
--   gd          vim.lsp.buf.definition()      keyword line -> its block; section or &file -> the file
--   gr          vim.lsp.buf.references()      block header -> the keyword lines reaching it
--   K           vim.lsp.buf.hover()           block entries, the checker's verdict, tag meaning
--   <leader>rn  vim.lsp.buf.rename()          rename a code, in the index and the response file
--   <leader>ca  vim.lsp.buf.code_action()     "try" the phrase of a keyword line
--   <leader>t   :OrviaTry <sentence>          what Orvia answers, and why
--   ]d, [d      vim.diagnostic.goto_next() / goto_prev()
-- Completion (tags after "[", codes, file names) is on <C-x><C-o>.

local name = 'orvia-lsp'
local here = debug.getinfo(1, 'S').source:sub(2)

-- The Vim syntax beside this file (editors/vim, installed alongside).
local vimdir = vim.fn.fnamemodify(here, ':p:h:h') .. '/vim'
if vim.fn.isdirectory(vimdir) == 1
    and not vim.tbl_contains(vim.opt.runtimepath:get(), vimdir) then
  vim.opt.runtimepath:append(vimdir)
  -- Loaded after detection was set up: its rule would not be read otherwise.
  if vim.g.did_load_filetypes then
    vim.cmd('augroup filetypedetect')
    vim.cmd('source ' .. vim.fn.fnameescape(vimdir .. '/ftdetect/orvia.vim'))
    vim.cmd('augroup END')
  end
end

-- The folder holding data/; the server finds the base from there.
local function root_of(file)
  local dir = vim.fn.fnamemodify(file, ':p:h')
  while true do
    if vim.fn.fnamemodify(dir, ':t') == 'data' then
      return vim.fn.fnamemodify(dir, ':h')
    end
    local parent = vim.fn.fnamemodify(dir, ':h')
    if parent == dir then
      return vim.fn.fnamemodify(file, ':p:h')
    end
    dir = parent
  end
end

local function on_attach(_, bufnr)
  if vim.bo[bufnr].omnifunc == '' then
    vim.bo[bufnr].omnifunc = 'v:lua.vim.lsp.omnifunc'
  end
end

local started = {} -- root -> client id, for 0.7, which has no vim.lsp.start
local warned = false

local function start(bufnr)
  local cmd = vim.g.orvia_lsp_cmd or { name }
  if type(cmd) == 'string' then cmd = { cmd } end
  if vim.fn.executable(cmd[1]) == 0 then
    if not warned then
      warned = true
      vim.notify(cmd[1] .. ' not found: install orvia or set vim.g.orvia_lsp_cmd',
        vim.log.levels.WARN)
    end
    return
  end
  local root = root_of(vim.api.nvim_buf_get_name(bufnr))
  local config = {
    name = name,
    cmd = cmd,
    root_dir = root,
    on_attach = on_attach,
  }
  if vim.lsp.start then
    vim.lsp.start(config, { bufnr = bufnr })
    return
  end
  local id = started[root]
  if not id or not vim.lsp.get_client_by_id(id) then
    id = vim.lsp.start_client(config)
    started[root] = id
  end
  if id then vim.lsp.buf_attach_client(bufnr, id) end
end

vim.api.nvim_create_autocmd('FileType', {
  pattern = 'orvia',
  group = vim.api.nvim_create_augroup('orvia_lsp', { clear = true }),
  callback = function(args) start(args.buf) end,
})

-- The running server of this buffer, or else of any buffer.
local function client_for(bufnr)
  local fallback
  for _, client in pairs((vim.lsp.get_clients or vim.lsp.get_active_clients)()) do
    if client.name == name then
      if vim.lsp.buf_is_attached(bufnr, client.id) then return client end
      fallback = fallback or client
    end
  end
  return fallback
end

-- One scratch buffer, shown in a split at the bottom, for every try.
local function show(lines)
  local buf = vim.fn.bufnr('orvia://try')
  if buf == -1 then
    buf = vim.api.nvim_create_buf(false, true)
    vim.api.nvim_buf_set_name(buf, 'orvia://try')
    vim.bo[buf].bufhidden = 'hide'
    vim.api.nvim_buf_set_keymap(buf, 'n', 'q', '<Cmd>close<CR>', { noremap = true, silent = true })
  end
  vim.bo[buf].modifiable = true
  vim.api.nvim_buf_set_lines(buf, 0, -1, false, lines)
  vim.bo[buf].modifiable = false
  local win = vim.fn.bufwinid(buf)
  if win == -1 then
    vim.cmd('botright ' .. math.min(#lines + 1, 15) .. 'split')
    vim.api.nvim_win_set_buf(0, buf)
    vim.cmd('wincmd p')
  end
end

local function try_sentence(sentence, bufnr, client)
  client = client or client_for(bufnr)
  if not client then
    vim.notify('OrviaTry: no orvia-lsp is running; open a file of a data/ folder first',
      vim.log.levels.ERROR)
    return
  end
  local params = { command = 'orvia.trySentence', arguments = { sentence } }
  local function handler(err, result)
    if err then
      vim.notify('OrviaTry: ' .. (err.message or vim.inspect(err)), vim.log.levels.ERROR)
      return
    end
    local lines = { '> ' .. sentence, '<Orvia> ' .. ((result or {}).reply or '') }
    for _, line in ipairs((result or {}).trace or {}) do
      table.insert(lines, '    ' .. line)
    end
    show(lines)
  end
  -- 0.11 turned the client's functions into methods.
  if vim.fn.has('nvim-0.11') == 1 then
    client:request('workspace/executeCommand', params, handler, bufnr)
  else
    client.request('workspace/executeCommand', params, handler, bufnr)
  end
end

vim.api.nvim_create_user_command('OrviaTry', function(opts)
  try_sentence(opts.args, vim.api.nvim_get_current_buf())
end, { nargs = '+', desc = 'What Orvia answers to a sentence, and why' })

-- The server's "try" code action names this command; run here, its answer is
-- shown instead of being dropped.
vim.lsp.commands['orvia.trySentence'] = function(command, ctx)
  local sentence = (command.arguments or {})[1]
  if type(sentence) == 'string' then
    try_sentence(sentence, ctx.bufnr, vim.lsp.get_client_by_id(ctx.client_id))
  end
end
