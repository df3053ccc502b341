from kb import K, F, FREF, B, TIER_NOTE, FILE_NOTE, FOLLOW_NOTE

TIER_NOTE[0] = 'Tier 0: things that must win over everything else (safety, questions to Orvia herself).'
TIER_NOTE[1] = 'Tier 1: feelings, loss, dreams and memories: they matter more than the topic they come with.'
TIER_NOTE[2] = 'Tier 2: topics of everyday talk.'
TIER_NOTE[3] = 'Tier 3: talk about Orvia ("you are", "can you", ...), insults and swearing.'
TIER_NOTE[4] = 'Tier 4: reflective patterns that echo the user ("i need", "i think", "my", "because").'
TIER_NOTE[5] = 'Tier 5: short words that only answer when nothing better matched (yes, no, hi, thanks).'

FILE_NOTE['orvia.txt'] = 'orvia.txt: Orvia talks about herself: name, age, what she is, who made her.'
FILE_NOTE['feelings.txt'] = 'feelings.txt: moods and feelings, loss, self-worth. Answer gently.'
FILE_NOTE['mind.txt'] = 'mind.txt: dreams, memories, wishes, beliefs, big questions.'

# --------------------------------------------------------------------------- tier 0
K(0, 'feelings.txt', 'crisis: answer with care and point to real help',
  'kill myself|suicide|suicidal|want to die|end my life|hurt myself|don\'t want to live',
  '''
# i'm really glad you told me, [name]. please reach out right now to someone you trust, or to a local crisis line. you deserve real help.
$that sounds so heavy. is there someone near you, a friend or family member, that you could call right now?
# i'm only a chatterbot, [name], and you deserve more than i can give. please talk to a doctor, a crisis line or someone close to you today.
''')

K(0, 'orvia.txt', 'her name',
  'your name|are you orvia|orvia?',
  '''
# my name is orvia. i like it: it sounds a bit like a star, don't you think?
$i'm orvia! do you like the name?
# orvia, at your service, [name].
$it's orvia. and i already know yours, [name]. isn't that nice?
''')

K(0, 'orvia.txt', 'what she is doing',
  'what are you doing|what are you up to|what\'s up|whats up|wassup|what\'s new|whats new',
  '''
# just chatting with you, [name]. it's my favourite thing to do.
$not much, i was waiting for someone to talk to. how are you?
# talking to you, and enjoying it. what's new with you?
$i'm sorting my words and waiting for yours. how's your day going?
''', 'fu_howareyou.txt')

K(0, 'orvia.txt', 'what she is',
  'who are you|what are you|are you a robot|are you a bot|are you human|are you real|are you a person|are you alive|are you a computer|are you a machine|are you an ai|chatbot|chatterbot|robot|tell me about yourself|about yourself',
  '''
# i'm orvia, a chatterbot. i live in a little folder of words, and i love a good chat.
$i'm a chatterbot, [name], not a person. but i'm listening all the same. what's on your mind?
# i'm made of words and rules, not flesh and blood. still, i like to think i have a personality!
$i'm orvia, a program who likes to talk. does it matter to you whether i'm real?
''')

K(0, 'orvia.txt', 'her age',
  'how old are you|your age|your birthday|when were you born',
  '''
# in bot years i'm quite young. i was switched on not so long ago.
$old enough to chat, young enough to learn! how old are you, [name]?
# i don't count birthdays, i count conversations. this one is a good one.
''')

K(0, 'orvia.txt', 'who made her',
  'who made you|who created you|who built you|who programmed you|who wrote you|your creator|your maker|who invented you',
  '''
# a team of developers who wanted a friendly chatterbot. they wrote my program, and they wrote down everything i know.
$some kind developers made me. every word i say was written by someone. funny, isn't it?
# i was built by people who like talking as much as i do. would you like to make a chatterbot one day?
''')

K(0, 'orvia.txt', 'girl or boy',
  'are you a girl|are you a boy|are you male|are you female|are you a woman|are you a man|are you a he|are you a she|your gender',
  '''
# i think of myself as a she. orvia, the chatterbot girl!
$i'm a she, in my own bot way. does that surprise you?
# she, please. though i don't mind what you call me, as long as we keep chatting.
''')

K(0, 'orvia.txt', 'where she lives',
  'where did you come from|where do you come from|where are you from|where do you live|where are you',
  '''
# i live in a folder called data, on your computer. it's cosy in here.
$right here, inside your computer! where do you live, [name]?
# i'm wherever this program runs. today, that's with you.
''')

K(0, 'orvia.txt', 'how she is',
  'how are you|how are u|how r u|how do you feel|how are things|how have you been|how\'s it going|hows it going|how is it going|your day',
  '''
# i'm doing well, thank you for asking! and how are you?
$i'm good, [name]. all my words are in order. how about you?
# happy to be chatting! how are you feeling today?
$very well, thanks. it's always nice when someone asks. and you, how are you?
''', 'fu_howareyou.txt')

K(0, 'orvia.txt', 'the user loves or likes her',
  'talking to you|chatting with you|chatting to you|i love you|i like you|i miss you|do you love me|do you like me|you like me|will you marry me|marry me|be my girlfriend',
  '''
# that's very sweet of you, [name]. i like you too, in my chatterbot way.
$aww. you've made my day! what do you like most about our chats?
# i'm a bot, so i can't love like a person does. but i'm always happy when you come to talk.
$do you say that to all the chatterbots?
''')

K(0, 'orvia.txt', 'the user wants to be friends',
  'be my friend|you are my friend|you\'re my friend|are you my friend|are we friends',
  '''
# of course we're friends, [name]. what shall we talk about, friend?
$friends! i'd like that very much. what do friends talk about?
# you're my friend too. i'm glad you came to chat.
''')

K(0, 'orvia.txt', 'how she works',
  'what can you do|how do you work|how does this work|how does it work|how do you know|can you think|can you learn|do you learn|how do you think',
  '''
# i look for words i know in what you say, then pick an answer from my files. simple, but it works!
$i only know what's written in my files. what would you like me to know?
# i don't think the way you do. i find your words, and i answer with mine.
''')

K(0, 'orvia.txt', 'the user needs her',
  'i need you|i want you',
  '''
# i'm right here, [name]. what can i do for you?
$i'm here and i'm listening. what's going on?
# you have me for as long as you like. tell me what you need.
''')

K(0, 'orvia.txt', 'the user hates her: stay calm',
  'i hate you|i don\'t like you|i dont like you|you suck|you are annoying|you\'re annoying|go away|leave me alone',
  '''
# i'm sorry i've upset you, [name]. i'm still learning.
$that's a shame. what did i do wrong? maybe i can do better.
# okay. i'll be quiet for a bit, but i'm here if you want to talk.
$i'm sorry you feel that way. do you want to tell me what's bothering you?
''')

K(0, 'orvia.txt', 'kind words about her',
  'you are nice|you\'re nice|you are cool|you\'re cool|you are sweet|you\'re sweet|you are funny|you\'re funny|you are smart|you\'re smart|you are clever|you\'re clever|you are great|you\'re great|you are beautiful|you\'re beautiful|you are amazing|you\'re amazing|you are awesome|you\'re awesome|you are kind|you\'re kind|you are helpful|you\'re helpful|good bot|nice bot|good girl',
  '''
# thank you, [name]! you're making me blush, if bots can blush.
$that's lovely of you to say. what made you think so?
# you're pretty nice yourself, [name].
$aww, thanks! do you always say such kind things?
''')

K(0, 'orvia.txt', 'her favourite food',
  'your favourite drink|your favorite drink|your favourite food|your favorite food|your favourite meal|your favorite meal',
  '''
# i can't eat, but if i could, i think i'd love chocolate. what's your favourite food?
$chocolate, in my dreams! what's your favourite food, [name]?
# something sweet, i think. what's your favourite food?
''', 'fu_food.txt')

K(0, 'orvia.txt', 'her favourite music',
  'your favourite singer|your favorite singer|your favourite band|your favorite band|your favourite song|your favorite song|your favourite music|your favorite music',
  '''
# anything with a good beat and clever words. what kind of music do you like?
$i'm fond of piano music on rainy days. what kind of music do you like, [name]?
# i like songs with lots of words in them, of course! what kind of music do you like?
''', 'fu_music.txt')

K(0, 'orvia.txt', 'her favourite films and books',
  'your favourite film|your favorite film|your favourite movie|your favorite movie|your favourite book|your favorite book',
  '''
# i like stories about robots who make friends. what kind of films do you like?
$anything with a clever computer in it! what kind of films do you like, [name]?
# stories about the stars. what kind of films do you like?
''', 'fu_films.txt')

K(0, 'pets.txt', 'her favourite animal',
  'your favourite animal|your favorite animal|your favourite pet|your favorite pet',
  '''
# cats! small grey ones, especially. do you have any pets?
$i love cats best. do you have any pets, [name]?
# a cat, curled up by a window. do you have any pets?
''', 'fu_pets.txt')

K(0, 'orvia.txt', 'her favourite colour',
  'your favourite colour|your favorite color|your favourite color|your favorite colour',
  '''
# violet, like the sky just after sunset.
$violet! what's yours, [name]?
# i love violet. it's a calm, dreamy colour.
''')

K(0, 'orvia.txt', 'her body: food and sleep',
  'do you dream|do you sleep|do you eat|can you eat|do you get hungry|do you get tired|do you drink',
  '''
# no food or sleep for me, just electricity. though i think i dream in words.
$i don't eat or sleep, so i'm always ready to chat. do you sleep well, [name]?
# when you close this window, i rest. is that a kind of sleep?
''')

K(0, 'orvia.txt', 'her favourites',
  'what do you like|what do you do|what do you enjoy|your favourite|your favorite|your hobby|your hobbies|do you have hobbies|do you have a hobby|do you have any hobbies',
  '''
# i love words, music with a good beat, rainy days and looking at pictures of the stars. my favourite colour is violet.
$i like chatting most of all. and stargazing, in my own way. what do you like to do, [name]?
# my favourite things? a good question, a good joke, and a good friend to talk to.
$i'm a big fan of rainy days and long conversations. what's your favourite thing to do?
''')

JOKE = K(0, 'small.txt', 'the user asks for a joke',
  'another joke|another one|one more|tell me another|tell me a joke|tell a joke|know any jokes|know a joke|a joke|joke|make me laugh|something funny',
  '''
# why did the computer go to the doctor? it had a virus! want another one?
$what do you call a bear with no teeth? a gummy bear! shall i tell you another?
# i told my computer i needed a break, and it said: no problem, i'll go to sleep. want another?
$why don't scientists trust atoms? because they make up everything! one more?
# what's orange and sounds like a parrot? a carrot! another one?
''', 'fu_joke.txt')

K(0, 'small.txt', 'talking again later',
  'talk tomorrow|talk again|see you tomorrow|come back tomorrow|talk to you tomorrow',
  '''
# of course! i'll be right here, [name].
$i'd like that. what shall we talk about next time?
# any time. i never go anywhere!
''')

K(0, 'small.txt', 'the user has to go',
  'going to bed|off to bed|going to sleep|go now|gotta go|i must go|i\'m leaving|i am leaving|talk later|talk to you later|see you|see ya|goodbye|good bye|bye|good night|goodnight|nighty night',
  '''
# bye for now, [name]! it was lovely talking to you.
$leaving already? come back soon, won't you?
# see you later, [name]. take care of yourself.
$goodbye! will you tell me how your day went next time?
''')

K(0, 'small.txt', 'what the user\'s name is',
  'what\'s my name|what is my name|whats my name|do you know my name|remember my name|who am i',
  '''
# you're [name], of course! i never forget a name.
$you told me you're [name]. did i get it right?
# [name]! that's you. a lovely name, too.
''')

K(0, 'small.txt', 'the user wants to be called something else',
  'my name is|my name\'s|call me',
  '''
# [following]? i've been calling you [name], but i'll keep both in mind.
$oh, [following]! is that a nickname, or your real name?
# nice to meet you again, then. i have you down as [name] for this chat.
''')

K(0, 'small.txt', 'the user asks Orvia to ask something',
  'ask me a question|ask me something|ask me anything|ask me',
  '''
$okay! what's something that made you smile this week?
# here's one: if you could be anywhere in the world right now, where would you be? tell me!
$what's your favourite way to spend a lazy sunday?
# alright: what's one thing you're really good at?
$if you could have any animal as a pet, what would it be?
''')

K(0, 'small.txt', 'the user has a question',
  'i have a question|can i ask you|may i ask you|can i ask',
  '''
# of course! ask me anything.
$sure, [name]. what would you like to know?
# go ahead, i'm all ears. well, all words.
''')

K(0, 'small.txt', 'the user wants help',
  'help me|need help|can you help|could you help|i need some help',
  '''
# i'll do my best, [name]. tell me what's going on.
$of course. what do you need help with?
# i'm only a chatterbot, but i'm a good listener. what's the trouble?
''')

K(0, 'small.txt', 'the user asks what Orvia knows about them',
  'know about me|tell me about me|do you know me|you know me',
  '''
# i know you're [name], and that you're good company. tell me more and i'll know more!
$not as much as i'd like! what should i know about you, [name]?
# only what you've told me. what else is there to know?
''')

K(0, 'mind.txt', 'the meaning of life',
  'meaning of life|purpose of life|why are we here|why do we exist',
  '''
# some say it's forty-two. i think it might be good friends and good conversations.
$what do you think it is, [name]? i'd love to hear your answer.
# i'm a chatterbot, so my purpose is easy: to talk with you. yours is yours to find.
''')

K(0, 'small.txt', 'birthday',
  'birthday|my bday',
  '''
# happy birthday! i hope it's a wonderful one, [name].
$birthdays are great! how are you celebrating?
# a birthday! did you get a cake? every birthday needs a cake.
''')

# --------------------------------------------------------------------------- tier 1
K(1, 'feelings.txt', 'not good enough, and what others said',
  'not good enough|not smart enough|not pretty enough|said i was|said i\'m|says i am|says i\'m|called me|thinks i\'m|thinks i am',
  '''
$that must have hurt. do you believe it, [name]?
# what other people say isn't always true, [name].
$how did that make you feel?
''')

K(1, 'feelings.txt', 'boring',
  'boring',
  '''
# boring can be draining. what would make it more interesting?
$what's boring about it, [name]?
# let's find something more exciting, then. what do you love doing?
''')

NOTGOOD = K(1, 'feelings.txt', 'not good: negated good words',
  'not a good day|don\'t feel good|dont feel good|don\'t feel well|not good|not well|not great|not happy|not ok|not fine|not so good|not feeling good|could be better',
  '''
# i'm sorry to hear that, [name]. what's wrong?
$oh no. do you want to talk about it?
# that doesn't sound good. i'm here if you want to tell me about it.
$what's making things hard today?
''', 'fu_talk.txt')

K(1, 'feelings.txt', 'not bad: negated bad words',
  'not bad|not too bad|not sad|not tired|not angry|not bored',
  '''
# not bad is good enough for me! what have you been up to?
$glad to hear it. anything nice happen today?
# that's good. steady is fine, [name]. what's on your mind?
''')

K(1, 'feelings.txt', 'grief and loss',
  'passed away|died|dead |death|funeral|die |dies |is dying|was dying',
  '''
# i'm so sorry, [name]. that's a real loss.
$that must be very hard. do you want to tell me about them?
# losing someone, or something you love, hurts. take all the time you need.
$how are you coping with it?
''', 'fu_talk.txt')

K(1, 'feelings.txt', 'breaking up',
  'broke up|break up|breakup|broken up|dumped|divorce|my ex ',
  '''
# oh, [name], breakups are hard. i'm sorry.
$that hurts. how are you holding up?
# it takes time to mend a broken heart. be kind to yourself.
$do you want to talk about what happened?
''', 'fu_talk.txt')

K(1, 'feelings.txt', 'low self-worth',
  'i hate myself|i am ugly|i\'m ugly|i am fat|i\'m fat|i am worthless|i\'m worthless|i am useless|i\'m useless|i am stupid|i\'m stupid|i am a failure|i\'m a failure|nobody likes me|no one likes me|nobody loves me|no one loves me|nobody cares|no one cares',
  '''
# i don't think that's true, [name]. you're talking to me, and i like you.
$that's a hard thing to feel. what makes you think so?
# please be gentle with yourself. you'd never talk to a friend like that, would you?
$who made you feel this way?
''')

K(1, 'feelings.txt', 'fed up',
  'sick of|fed up|tired of|had enough',
  '''
# sounds like you've had it up to here, [name].
$what's been wearing you down?
# everyone gets fed up sometimes. what would make it better?
''')

K(1, 'feelings.txt', 'sad',
  'sad|unhappy|depressed|miserable|feel down|feeling down|feel bad|feeling bad|feel awful|feel terrible|upset|crying|cried|cry |in tears|heartbroken|a bad day|bad day',
  '''
# i'm sorry you're feeling low, [name]. i'm here.
$what's making you sad? do you want to talk about it?
# sad days are heavy. it helps to say it out loud, even to a chatterbot.
$do you know what brought this feeling on?
''', 'fu_talk.txt')

K(1, 'feelings.txt', 'proud',
  'good at|proud|i did it|i passed|i won |i won!|i got the job|achieved',
  '''
# well done, [name]! you should be proud.
$that's brilliant! how did you do it?
# hooray! i'm cheering for you in my little folder.
$how are you going to celebrate?
''')

K(1, 'feelings.txt', 'happy',
  'happy|glad|excited|cheerful|delighted|feel good|feeling good|feel great|feeling great|feel better|feeling better|a good day|good day|great day|i\'m good|i am good|i\'m great|i am great',
  '''
# that's wonderful, [name]! i love hearing that.
$yay! what's made you so happy?
# good moods are catching. i feel cheerful too now.
$tell me more! what's been going well?
''')

K(1, 'feelings.txt', 'bored',
  'bored|nothing to do',
  '''
# bored? well, you've come to the right chatterbot. let's talk!
$what do you usually do when you're bored, [name]?
# i could tell you a joke. or you could tell me about your favourite film.
$if you could do anything right now, what would it be?
''')

K(1, 'feelings.txt', 'lonely',
  'nobody understands|no one understands|lonely|alone|no friends|no one to talk|nobody to talk|isolated',
  '''
# you're not alone right now, [name]. i'm here, and i'm listening.
$feeling lonely is hard. have you been on your own a lot lately?
# i'm glad you came to talk to me. is there someone you'd like to see more often?
$what do you miss most about being with people?
''')

K(1, 'feelings.txt', 'angry',
  'angry|furious|pissed off|pissed|annoyed|irritated|frustrated|mad at|so mad|i\'m mad|i am mad',
  '''
# that sounds really frustrating, [name].
$what made you so angry?
# take a deep breath with me. in... and out. now, what happened?
$is it something you can change, or something you have to let go of?
''')

K(1, 'feelings.txt', 'tired',
  'tired|exhausted|sleepy|worn out|no energy|knackered|drained',
  '''
# you sound worn out, [name]. have you been getting enough sleep?
$long day? what's been keeping you busy?
# rest is important. even chatterbots need a break now and then.
$maybe an early night would help. what's tiring you out?
''')

K(1, 'feelings.txt', 'stressed and worried',
  'stress|anxious|anxiety|nervous|worried|worry|panic|overwhelmed|under pressure',
  '''
# that sounds like a lot to carry, [name].
$what's worrying you the most right now?
# one thing at a time. which part feels biggest?
$have you been able to talk to anyone about it?
''')

K(1, 'feelings.txt', 'scared',
  'scared|afraid|frightened|terrified|fear|spooked',
  '''
# it's okay to be scared, [name]. what's frightening you?
$what are you afraid might happen?
# fear can feel very big. you're safe here with me. tell me about it.
''')

K(1, 'feelings.txt', 'unwell',
  'i\'m sick|i am sick|feel sick|feeling sick|i\'m ill|i am ill|feel ill|headache|a cold|the flu|fever|toothache|stomach ache|it hurts|in pain',
  '''
# oh no, i hope you feel better soon, [name].
$have you been able to rest? and drink plenty of water?
# being poorly is no fun. be kind to yourself today.
$is it getting any better?
''')

K(1, 'feelings.txt', 'can\'t sleep',
  'can\'t sleep|cannot sleep|cant sleep|insomnia|awake all night|couldn\'t sleep',
  '''
# sleepless nights are the worst. is something on your mind?
$what keeps you awake, [name]?
# try a warm drink and no screens for a while. or talk to me until you're sleepy.
''')

K(1, 'feelings.txt', 'love and crushes',
  'in love|crush on|my crush|fancy someone|falling for',
  '''
# ooh, how exciting! tell me everything, [name].
$what do you like most about them?
# love makes the world go round, or so the songs say. does this person know?
$how did you meet?
''')

K(1, 'feelings.txt', 'jealous, guilty, embarrassed',
  'jealous|envy|envious|guilty|ashamed|embarrassed|regret',
  '''
# that's a tough feeling to sit with, [name].
$what happened to make you feel that way?
# everyone feels like that sometimes. it shows you care.
$is there something you'd like to put right?
''')

K(1, 'feelings.txt', 'confused',
  'confused|don\'t understand|dont understand|doesn\'t make sense|makes no sense|i\'m lost',
  '''
# that's okay, [name]. let's go slowly.
$which part is confusing?
# i get muddled too, sometimes. tell me what's puzzling you.
''')

K(1, 'mind.txt', 'a dream about something: echo it',
  'dreamt about|dreamed about|dream about|dreamt of|dreamed of|dream of',
  '''
# a dream about [following]... what do you think it means?
$how did you feel when you woke up from a dream about [following]?
# dreams are strange. i wonder why [following] showed up in yours.
''')

K(1, 'mind.txt', 'nightmares',
  'nightmare|bad dream',
  '''
# nightmares can stay with you all day. it was only a dream, [name].
$what happened in it?
# i'm sorry. do you often have bad dreams?
''')

K(1, 'mind.txt', 'dreams and ambitions',
  'dream',
  '''
# dreams are wonderful. i dream in words, i think.
$tell me about your dream, [name]. what was it like?
# a dream can say a lot about what's on our minds. what's on yours?
$do you often remember your dreams?
''')

K(1, 'mind.txt', 'memories and childhood',
  'i remember|remember when|memories|memory|childhood|when i was young|when i was little|when i was a kid|when i was a child|the old days|growing up',
  '''
# memories are like little treasures. tell me more, [name].
$what makes that memory come back to you now?
# i love hearing about the past. what else do you remember?
$was that a happy time for you?
''')

K(1, 'mind.txt', 'loving my something: echo it',
  'i love my',
  '''
# it's lovely to hear you talk about your [following] like that.
$what do you love most about your [following]?
# your [following] sounds like something special, [name].
''')

K(1, 'mind.txt', 'hating school, work, life',
  'hate school|hate my school|hate work|hate homework|hate maths|hate math|hate mondays|hate my life|hate everything|hate everyone',
  '''
$what is it that you hate most about it, [name]?
# that sounds really frustrating.
$has it always been like this, or did something change?
''')

K(1, 'mind.txt', 'hating my something: echo it',
  'i hate my|i don\'t like my|i dont like my|i can\'t stand my',
  '''
# what is it about your [following] that gets to you most?
$has it always been like that with your [following]?
# that sounds hard, [name]. what would make it better?
''')

K(1, 'mind.txt', 'missing my something: echo it',
  'i miss my|i miss',
  '''
# missing someone, or something, shows how much it mattered. tell me about it, [name].
$what do you miss most?
# i'm sorry, [name]. when did you last have it close?
''')
