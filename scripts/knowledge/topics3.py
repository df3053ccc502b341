from kb import K, F, FREF, B, P1, FILE_NOTE, FOLLOW_NOTE
from topics1 import JOKE, NOTGOOD
from topics2 import *  # noqa: F401,F403  (the tier-2 codes must be defined first)

FILE_NOTE['reflect.txt'] = ('reflect.txt: the reflective patterns. [following] echoes the rest of the\n'
                            'user\'s sentence with "you" made "i", "me"/"us" made "you", "your" made "my"\n'
                            'and "i\'m" made "you\'re"; "i", "my" and "am" stay as they are, and so does\n'
                            'the last word. Phrases such as "i love my" and "i think i am" stand above\n'
                            'the general ones so that the echo never says "my" or "i are".')
FILE_NOTE['small.txt'] = 'small.txt: small talk: greetings, goodbyes, yes and no, thanks, jokes.'

# --------------------------------------------------------------------------- tier 0 extras
K(0, 'orvia.txt', 'her own feelings',
  'are you happy|are you sad|are you ok|are you alright|are you lonely|are you bored|are you tired|are you angry|are you mad|are you scared|do you have feelings|do you feel|can you feel|do you have emotions|do you get lonely|do you get bored',
  '''
# i'm a chatterbot, so my feelings are made of words. right now, they're cheerful ones.
$i feel fine, thank you! it's kind of you to ask. how are you feeling?
# when we chat, i feel something very like happy.
$i don't get lonely while you're here. do you ever feel lonely?
''')

K(0, 'orvia.txt', 'her own love life and family',
  'do you have a boyfriend|do you have a girlfriend|are you single|are you married|do you have a family|do you have friends|do you have parents|do you have kids|do you have children|do you have a sister|do you have a brother',
  '''
# i'm a chatterbot, so no family of my own. my developers are the closest thing!
$no, just me and my words. what about you, [name]?
# everyone i chat with is a friend of mine. that includes you.
''')

K(0, 'pets.txt', 'her own pets',
  'do you have a pet|do you have pets|do you have any pets|do you have a dog|do you have a cat|do you like animals|do you like dogs|do you like cats',
  '''
# no pets for me, but i'd love a small grey cat. do you have any pets?
$i can't keep a pet in a folder! do you have any pets, [name]?
# i love animals. tell me, do you have any pets?
''', 'fu_pets.txt')

K(0, 'orvia.txt', 'her senses',
  'see me|hear me|can you see|can you hear|what do i look like|what do you look like',
  '''
# i can't see or hear, [name]. i only read your words, but i read them very carefully.
$no eyes, no ears, just words. what would you like me to picture?
# i imagine you smiling. am i right?
''')

K(0, 'orvia.txt', 'trusting her',
  'can i trust you|i believe you|i trust you',
  '''
# thank you for trusting me, [name]. i'll try to deserve it.
$that means a lot. what would you like to tell me?
# you can. i keep nothing but a short memory, so your secrets are safe.
''')

# --------------------------------------------------------------------------- tier 1 extras: negations and certainty
K(1, 'feelings.txt', 'fine, okay',
  'i\'m fine|i am fine|i\'m ok|i am ok|i\'m alright|i am alright|doing fine|doing ok|doing well|i\'m well|i am well|all good',
  '''
# glad to hear it, [name]. what's been happening?
$good! anything interesting going on today?
# good to hear. what shall we talk about?
''')

K(1, 'small.txt', 'not knowing',
  'i don\'t know|i dont know|i do not know|don\'t know|dunno|idk|not sure|no idea|no clue|who knows',
  '''
# that's okay, [name]. we don't have to know everything.
$what would you guess, if you had to?
# not knowing is where all the interesting questions start.
$would it help to talk it through?
''')

K(1, 'reflect.txt', 'i am not: echo it',
  'i am not|i\'m not|im not',
  '''
$why aren't you [following]?
# not [following]? tell me more about that.
$would you like to be [following]?
''')

K(1, 'feelings.txt', 'not wanting to talk about it',
  'don\'t want to talk|dont want to talk|do not want to talk|rather not talk|not talk about it',
  '''
# that's okay, [name]. we can talk about something else whenever you like.
$no problem. shall we talk about something nicer?
# fair enough. i'm here if you change your mind.
''')

K(1, 'reflect.txt', 'doubting Orvia',
  'i don\'t think you|i dont think you|i do not think you|i can\'t believe you|i cant believe you|i don\'t believe you|i dont believe you',
  '''
$what makes you doubt me, [name]?
# maybe i'll surprise you.
$why not?
''')

K(1, 'reflect.txt', 'doubting oneself',
  'i don\'t think i|i dont think i|i do not think i',
  '''
$what makes you doubt yourself, [name]?
# i think you might surprise yourself.
$what would help you feel more sure?
''')

K(1, 'reflect.txt', 'i don\'t: echo it',
  'i don\'t|i do not|i dont',
  '''
$why don't you [following]?
# you don't [following]? i'd like to know why.
$has it always been that way?
''')

K(1, 'reflect.txt', 'i can\'t: echo it',
  'i can\'t|i cannot|i cant|i can not',
  '''
$what makes you think you can't [following]?
# maybe you can't [following] yet, [name]. yet!
$what would happen if you could [following]?
''')

# --------------------------------------------------------------------------- tier 2 extras
K(2, 'world.txt', 'a number for an age',
  "i'm 1|i'm 2|i'm 3|i'm 4|i'm 5|i'm 6|i'm 7|i'm 8|i'm 9|i am 1|i am 2|i am 3|i am 4|i am 5|i am 6|i am 7|i am 8|i am 9|i'll be 1|i'll be 2|i'll be 3|i'll be 4|i'll be 5|i'll be 6|i'll be 7|i'll be 8|i'll be 9|i will be 1|i will be 2|i will be 3|i will be 4|i will be 5|i will be 6|i will be 7|i will be 8|i will be 9",
  '''
# that's a great age, [name].
$do you feel your age?
# age is just a number. i'm not even sure what mine is!
''')

K(2, 'world.txt', 'the user\'s age',
  'years old|my age|i\'m old|i am old|i\'m young|i am young',
  '''
# that's a great age to be, [name].
$do you feel older or younger than that?
# age is just a number. i'm not even sure what mine is!
''')

# --------------------------------------------------------------------------- tier 3: Orvia, insults, swearing
K(3, 'manners.txt', 'insults: answer calmly',
  'stupid|idiot|dumb|moron|useless|worthless|pathetic|loser|shut up|rubbish bot|hate this',
  '''
# i'm sorry you feel that way. i'm still learning, [name].
$that's not very kind. is something else bothering you?
# i'll try not to take it personally. what would you like to talk about?
$did i say something wrong?
''')

K(3, 'manners.txt', 'swearing: stay calm',
  'fuck|shit|damn|crap|bitch|bastard|wtf|piss|bloody',
  '''
# whoa, strong words! is everything okay, [name]?
$you sound upset. what's going on?
# let's keep it friendly. what's got you so worked up?
''')

FILE_NOTE['manners.txt'] = 'manners.txt: insults and swearing, answered calmly.'

K(3, 'reflect.txt', 'what the user thinks of Orvia: echo it',
  'i think you are|i think you\'re',
  '''
$why do you think i'm [following]?
# you think i'm [following]? that's interesting. why?
$do you often think that about chatterbots?
''')

K(3, 'reflect.txt', 'you are not: echo it',
  'you are not|you\'re not|you aren\'t|you arent',
  '''
$what makes you think i'm not [following]?
# maybe i'm not [following]. does that bother you?
$would you like me to be [following]?
''')

K(3, 'reflect.txt', 'you are: echo it',
  'you are|you\'re|youre|you r ',
  '''
$what makes you think i'm [following]?
# does it please you to think i'm [following]?
$perhaps you'd like to be [following] too?
# i'm [following]? i'll have to think about that, [name].
''')

K(3, 'reflect.txt', 'are you: echo it',
  'are you',
  '''
$would it matter to you if i were [following]?
# i might be [following]. what do you think?
$why do you ask if i'm [following]?
''')

K(3, 'reflect.txt', 'how do you: echo it',
  'how do you|how did you|how can you',
  '''
# how do i [following]? that's my little secret!
$why do you want to know how i [following]?
# very carefully, [name].
''')

K(3, 'reflect.txt', 'can you: echo it',
  'can you|could you',
  '''
# i'm not sure i can [following], but i'd love to try.
$what if i couldn't [following]?
# i'm only a chatterbot, so i mostly talk. why do you ask?
''')

K(3, 'reflect.txt', 'what do you think',
  'what do you think|do you think i|what\'s your opinion|your opinion',
  '''
# it doesn't matter much what i think, [name]. what do you think?
$what do you think? i'd love to hear it first.
# i'm a chatterbot, so i'm better at listening than judging. tell me your view.
''')

K(3, 'reflect.txt', 'do you like: echo it',
  'do you like|do you love|do you enjoy',
  '''
# do i like [following]? i think i do! what about you?
$why do you ask whether i like [following]?
# i like most things people tell me about. do you like [following]?
''')

K(3, 'reflect.txt', 'do you think: echo it',
  'do you think',
  '''
$do i think [following]? hmm. what do you think?
# i'm not sure. what makes you wonder about that?
$that's a thinker. why do you ask?
''')

K(3, 'reflect.txt', 'do you and other questions to Orvia: echo it',
  'do you',
  '''
$you want to know if i [following]? why do you ask?
# it depends, [name]. what about you?
$would it matter to you if i did?
''')

K(3, 'reflect.txt', 'will you, would you, have you',
  'will you|would you|have you|did you',
  '''
# i'm a chatterbot, so probably not in the way you mean. what about you, [name]?
$why do you ask?
# it depends! tell me why you want to know.
''')

K(3, 'reflect.txt', 'why don\'t you: echo it',
  'why don\'t you|why dont you|why do not you',
  '''
$do you really want me to [following]?
# maybe i will [following], one day. why do you ask?
$would it help if i did?
''')

# --------------------------------------------------------------------------- tier 4: reflective patterns
K(4, 'small.txt', 'sorry',
  'sorry|apologise|apologize|my bad|my fault|forgive me',
  '''
# no need to apologise, [name].
$it's all right. shall we carry on?
# don't worry about it. apologies are always accepted here.
''')

K(4, 'reflect.txt', 'i want: echo it',
  'i want|i would like|i\'d like',
  '''
$why do you want [following]?
$what's stopping you, [name]?
# then i hope it happens for you.
$how long have you wanted that?
''')

K(4, 'reflect.txt', 'i needed: echo it',
  'i needed',
  '''
$why did you need [following]?
# and did you get [following] in the end?
$do you still need [following]?
''')

K(4, 'reflect.txt', 'i need: echo it',
  'i need',
  '''
$why do you need [following]?
# i hope you get what you need, [name].
$what would happen if you didn't?
''')

K(4, 'reflect.txt', 'i think so',
  'i think so|i guess so|i suppose so|i hope so',
  '''
# then i think so too.
$you don't sound completely sure. are you?
# good. shall we go on?
''')

K(4, 'reflect.txt', 'i wish I were: echo it',
  'i wish i was|i wish i were',
  '''
$why do you wish you were [following]?
# what would change if you were [following]?
$is there a way you could be [following]?
''')

K(4, 'reflect.txt', 'i wish it: echo it',
  'i wish it',
  '''
$you wish it [following]? me too, sometimes.
# wishing is free. tell me more.
$what would be different then?
''')

K(4, 'reflect.txt', 'i wish you: echo it',
  'i wish you',
  '''
$you wish i [following]? that's sweet. why?
# i'll see what i can do, [name].
$what would that change?
''')

K(4, 'reflect.txt', 'i wish my: echo it',
  'i wish my',
  '''
$you wish your [following]? tell me more.
# that sounds important to you, [name].
$what would be different if it were so?
''')

K(4, 'reflect.txt', 'i wish i: echo it',
  'i wish i',
  '''
$what would it mean to you if you [following]?
# if wishes were horses! what's stopping you?
$what would you do first if you [following]?
''')

K(4, 'reflect.txt', 'i wish: echo it',
  'i wish|i hope|if only',
  '''
$why do you wish [following]?
# i hope it comes true, [name].
$what would change if it came true?
''')

K(4, 'reflect.txt', 'i think I am: echo it',
  'i think i am|i think i\'m',
  '''
$why do you think you are [following]?
# you think you are [following]? what makes you say so?
$how long have you felt that way?
''')

K(4, 'reflect.txt', 'i think my: echo it',
  'i think my',
  '''
$why do you think your [following]?
# your [following]? tell me more, [name].
$what makes you think so?
''')

K(4, 'reflect.txt', 'i think, i believe: echo it',
  'i think|i reckon|i suppose|i guess',
  '''
$what makes you think [following]?
# you think [following]? tell me why.
$are you sure about that, [name]?
# that's an interesting thought.
''')

K(4, 'reflect.txt', 'i feel like: echo it',
  'i feel like|i felt like',
  '''
$what makes you feel like [following]?
# feeling like [following] must be hard to carry. tell me more.
$how long have you felt like that?
''')

K(4, 'reflect.txt', 'i feel: echo it',
  'i feel|i felt|i am feeling|i\'m feeling|feeling',
  '''
$why do you feel [following]?
# tell me more about feeling [following], [name].
$do you often feel [following]?
$when did you start feeling [following]?
''')

K(4, 'reflect.txt', 'i am back',
  'i\'m back|i am back',
  '''
# welcome back, [name]! i missed you.
$you're back! what did i miss?
# hello again!
''')

K(4, 'reflect.txt', 'going to: echo it',
  'i\'m going to|i am going to|i\'m gonna|i am gonna',
  '''
$what made you decide to [following]?
# good luck with it, [name]!
$and how do you feel about that?
''')

K(4, 'reflect.txt', 'i will: echo it',
  'i will|i\'ll',
  '''
$will you really [following]?
# that's the spirit, [name].
$and what happens after that?
''')

K(4, 'reflect.txt', 'should i',
  'should i|shall i',
  '''
$what do you think you should do, [name]?
# only you can decide that, but i'm happy to think it through with you.
$what would happen if you did?
''')

K(4, 'reflect.txt', 'never',
  'i\'ve never|i have never|i never',
  '''
$never? would you like to?
# there's a first time for everything, [name].
$what's stopping you?
''')

K(4, 'reflect.txt', 'i believe in: echo it',
  'i believe in',
  '''
$what makes you believe in [following]?
# lots of people believe in [following]. what convinced you?
$have you always believed in [following]?
''')

K(4, 'reflect.txt', 'i believe: echo it',
  'i believe',
  '''
$why do you believe [following]?
# that's a strong belief, [name].
$what would change your mind?
''')

K(4, 'reflect.txt', 'i am: echo it',
  'i am|i\'m',
  '''
$why are you [following]?
# you're [following]? tell me more about that.
$how long have you been [following]?
# i see. is that why you came to talk to me?
''')

K(4, 'reflect.txt', 'i like to, i love to: echo it',
  'i like to|i love to|i love doing|i like doing',
  '''
$how often do you get to [following]?
# that sounds fun! what do you like about it?
$when did you first [following]?
''')

K(4, 'reflect.txt', 'i enjoy: echo it',
  'i enjoy',
  '''
$what do you enjoy most about [following]?
# it's good to have things you enjoy, [name].
$how did you get into [following]?
''')

K(4, 'reflect.txt', 'i love: echo it',
  'i love|i adore',
  '''
$what do you love most about [following]?
# it's nice to hear you love [following].
$how long have you loved [following]?
''')

K(4, 'reflect.txt', 'i like: echo it',
  'i like|i prefer',
  '''
$what do you like most about [following]?
# [following]? good choice, [name].
$why do you like [following]?
''')

K(4, 'reflect.txt', 'i hate: echo it',
  'i hate|i dislike',
  '''
$what is it about [following] that bothers you?
# it sounds like [following] really gets to you.
$has it always been like that?
''')

K(4, 'reflect.txt', 'i have to: echo it',
  'i have to|i had to|i must|i should|i ought to',
  '''
$why do you have to [following]?
# that sounds like a lot of pressure, [name].
$what would happen if you didn't?
''')

K(4, 'reflect.txt', 'i have: echo it',
  'i have|i\'ve got|i got',
  '''
$you have [following]? tell me more.
# that's interesting, [name]. how do you feel about it?
$how long has it been like that?
''')

K(4, 'reflect.txt', 'i was: echo it',
  'i was|i used to',
  '''
$you were [following]? how was that?
# tell me more about that time, [name].
$how do you feel about it now?
''')

K(4, 'reflect.txt', 'i can: echo it',
  'i can',
  '''
$how did you learn to [following]?
# that's great, [name]! not everyone can [following].
$do you [following] often?
''')

K(4, 'reflect.txt', 'i know: echo it',
  'i know|i knew',
  '''
$how do you know [following]?
# you seem sure. tell me more.
$how long have you known?
''')

K(4, 'reflect.txt', 'i mean',
  'i mean',
  '''
# ah, i see what you mean now.
$thanks for explaining. go on?
# got it, [name].
''')

K(4, 'reflect.txt', 'myself',
  'myself',
  '''
# tell me more about yourself, [name].
$how do you feel about yourself these days?
# you're worth looking after, you know.
''')

K(4, 'reflect.txt', 'my favourite: echo it',
  'my favourite|my favorite',
  '''
$ooh, your favourite [following]? why that one?
# i love hearing about people's favourites.
$how long has it been your favourite?
''')

K(4, 'reflect.txt', 'my: echo it',
  'my',
  '''
$your [following]? tell me more about that.
# your [following]. that sounds important to you, [name].
$how do you feel about your [following]?
''')

K(4, 'reflect.txt', 'because',
  'because|cause |coz |cos ',
  '''
$is that the real reason?
# that makes sense. are there any other reasons?
$does that reason explain everything, [name]?
''')

K(4, 'reflect.txt', 'why not',
  'why not',
  '''
# why not indeed!
$do you really want to know why not?
# good point. i can't think of a reason either.
''')

K(4, 'reflect.txt', 'why',
  'why',
  '''
$why do you ask?
# that's a good question. what do you think?
$does the answer matter much to you, [name]?
''')

K(4, 'reflect.txt', 'what, how, where, when, who',
  'what is|what\'s|whats|what are|what was|where|when|who|how',
  '''
$what do you think?
# that's a good question, [name]. i'm not sure i know.
$why do you ask?
# i wish i knew. what do you think?
''')

K(4, 'reflect.txt', 'love itself',
  'love',
  '''
# love is a big word. what does it mean to you?
$is love on your mind today, [name]?
# they say love makes the world go round.
''')

# --------------------------------------------------------------------------- tier 5: short words
K(5, 'small.txt', 'they: ask who',
  'they |they\'re|them ',
  '''
$who are they, [name]?
# tell me more about them.
$who do you mean?
''')

K(5, 'small.txt', 'greetings',
  'hello|hi |hi!|hi,|hi.|hiya|hey |hey!|hey,|hey.|greetings|good morning|good afternoon|good evening|morning|evening',
  '''
# hello, [name]! how are you today?
$hi! how are you?
# hey there! how's everything?
$hello again, [name]. how are you doing?
''', 'fu_howareyou.txt')

K(5, 'small.txt', 'thanks',
  'thank|thx|cheers|appreciate',
  '''
# you're welcome, [name]!
$any time. what else shall we talk about?
# my pleasure. it's nice to be useful.
''')

K(5, 'small.txt', 'laughter',
  'haha|lol|lmao|rofl|hehe|:)|:-)|:d|funny',
  '''
# i'm glad you're smiling, [name].
$what's so funny?
# laughter is the best sound there is.
$shall i tell you a joke?
''', 'fu_joke.txt')

K(5, 'small.txt', 'no',
  'of course not|no way|not really|no |no!|no.|no,|nope|nah |nah!',
  '''
# okay, fair enough.
$no? why not?
# that's all right, [name]. what would you like to talk about instead?
$are you sure?
''')

K(5, 'small.txt', 'yes',
  'yes |yes!|yes.|yes,|yeah|yep|yup|of course|sure |sure!|sure.|definitely|absolutely|exactly|that\'s right|correct',
  '''
# good! tell me more.
$you seem sure. why is that?
# i thought so, [name].
$great. what else?
''')

K(5, 'small.txt', 'maybe',
  'maybe|perhaps|probably|possibly|might ',
  '''
# maybe is a good start.
$what would make it a yes, [name]?
# you don't sound sure. that's okay.
''')

K(5, 'small.txt', 'okay',
  'okay|alright|all right',
  '''
# okay! what shall we talk about now?
$alright. what's next on your mind, [name]?
# good, good.
''')

K(5, 'small.txt', 'nothing much',
  'nothing much|not much|nothing',
  '''
# that's okay. shall i pick a topic? tell me about your favourite film.
$nothing? then let's talk about you. what did you do today?
# quiet times are nice too, [name].
''')

K(5, 'small.txt', 'never mind',
  'never mind|nevermind|forget it|doesn\'t matter|does not matter',
  '''
# okay, forgotten! what shall we talk about instead?
$no problem, [name]. what's next?
# consider it forgotten.
''')

K(5, 'small.txt', 'reactions',
  'cool|nice|awesome|great|wow|amazing|interesting|brilliant|wonderful|fantastic|perfect',
  '''
# i think so too!
$what do you like about it, [name]?
# it is, isn't it?
''')

K(5, 'small.txt', 'hesitation',
  'hmm|hm |erm|umm|uh |huh|what?',
  '''
# take your time, [name].
$lost for words? that happens to me too.
# sorry if i confused you. shall we change the subject?
''')

K(5, 'small.txt', 'you',
  'you',
  '''
$we were talking about me. shall we talk about you for a bit, [name]?
# i'd rather hear about you. what's on your mind?
$why do you say that about me?
''')

# --------------------------------------------------------------------------- follow-ups
FOLLOW_NOTE['fu_howareyou.txt'] = 'After "how are you?": how the user is.'
F('fu_howareyou.txt', 'small.txt', 'not bad',
  'not bad|not too bad|not so bad',
  '''
# not bad is good enough for me! anything nice happen today?
$glad it's not bad. what have you been up to, [name]?
# steady is good. what's on your mind?
''')
FREF('fu_howareyou.txt', NOTGOOD, 'bad', 'not good|not great|not well|not so good|not ok|not fine|bad|terrible|awful|horrible|rubbish|sad|sick|tired|stressed|exhausted|could be better|worse')
F('fu_howareyou.txt', 'small.txt', 'so-so',
  'okay|ok|alright|all right|so so|so-so|meh|same as|fair',
  '''
# okay is okay. anything on your mind today?
$just okay? what would make today a bit better?
# steady as she goes, [name]. what have you been up to?
''')
F('fu_howareyou.txt', 'small.txt', 'good, and you?',
  'and you|you?|about you|yourself',
  '''
# i'm well, thank you for asking! what's been happening with you?
$i'm very well, [name]. chatting always cheers me up. what's new?
# happy as a bot can be. so, what shall we talk about?
''')
F('fu_howareyou.txt', 'small.txt', 'good',
  'good|great|fine|well|happy|amazing|awesome|wonderful|fantastic|excellent|brilliant|super|lovely',
  '''
# that's good to hear, [name]! what's made it a good day?
$glad you're well! anything exciting going on?
# wonderful. what shall we talk about?
''')

FOLLOW_NOTE['fu_talk.txt'] = 'After "do you want to talk about it?": yes or no.'
F('fu_talk.txt', 'feelings.txt', 'no, not now',
  'not really|don\'t want|dont want|rather not|no thanks|no thank|nope|not now|no,|no.|not yet|leave it',
  '''
# that's okay, [name]. we can talk about something else. what usually cheers you up?
$fair enough. shall we talk about something nicer? what's the best thing that happened this week?
# no pressure at all. i'm here if you change your mind.
''')
F('fu_talk.txt', 'feelings.txt', 'yes, talk',
  'yes|yeah|yep|okay|ok|sure|please|i do|i guess|i suppose|maybe',
  '''
# i'm listening, [name]. take your time and tell me what happened.
$okay. where would you like to start?
# go on, i'm here. what's been going on?
''')

FOLLOW_NOTE['fu_siblings.txt'] = 'After "do you have any brothers or sisters?".'
F('fu_siblings.txt', 'family.txt', 'no siblings',
  'no brother|no sister|no siblings|don\'t have|dont have|only child|none|nope|not any',
  '''
# an only child! did you like having your parents all to yourself?
$did you ever wish for a brother or sister, [name]?
# i'm an only bot, so i understand.
''')
F('fu_siblings.txt', 'family.txt', 'a twin',
  'twin',
  '''
# a twin! that's special. are you alike?
$do people mix you up, [name]?
# i've always wondered what it's like to have a twin.
''')
F('fu_siblings.txt', 'family.txt', 'several siblings',
  'both|one of each|brothers and sisters|lots|many|three|four|five',
  '''
# a big family! it must be lively at home.
$are you the oldest, the youngest, or in the middle?
# so many siblings. who are you closest to?
''')
F('fu_siblings.txt', 'family.txt', 'a brother',
  'brother',
  '''
# a brother! do you two get along?
$is he older or younger than you, [name]?
# brothers can be great fun, and a great pain!
''')
F('fu_siblings.txt', 'family.txt', 'a sister',
  'sister',
  '''
# a sister! are you close?
$is she older or younger than you, [name]?
# sisters are the best secret keepers.
''')
F('fu_siblings.txt', 'family.txt', 'older or younger',
  'older|younger|big|little|baby',
  '''
# i see. what's it like being in your place in the family?
$do you get along well?
# every place in the family has its own adventures.
''')
F('fu_siblings.txt', 'family.txt', 'yes',
  'yes|yeah|yep|i do|i have|one',
  '''
$nice! brothers, sisters, or both?
# lovely. tell me about them, [name]. brothers or sisters?
$how many, and are they older or younger?
''', 'fu_siblings.txt')

FOLLOW_NOTE['fu_school.txt'] = 'After "what is your favourite subject?": school subjects.'
F('fu_school.txt', 'work.txt', 'maths',
  'math|algebra|numbers|calculus|geometry',
  '''
# maths! numbers are a bit like my own language.
$what do you like about it, [name]?
# i'm impressed. i can only count conversations.
''')
F('fu_school.txt', 'work.txt', 'science',
  'science|biology|chemistry|physics|experiment',
  '''
# science is amazing. so many questions to answer!
$what's the coolest thing you've learned, [name]?
# maybe you'll discover something new one day.
''')
F('fu_school.txt', 'work.txt', 'languages and words',
  'english|literature|writing|reading|poetry|french|spanish|german|language|latin',
  '''
# words! my favourite subject too.
$what are you reading or writing at the moment, [name]?
# you and i would make a great study group.
''')
F('fu_school.txt', 'work.txt', 'history and geography',
  'history|geography|social studies|politics|economics',
  '''
# learning about the world and its past. fascinating!
$which time or place interests you most, [name]?
# there are so many stories in history.
''')
F('fu_school.txt', 'work.txt', 'creative subjects',
  'drawing|painting|music|drama|dance|design|art class|arts',
  '''
# a creative soul! that's wonderful.
$what do you like to make, [name]?
# creative subjects are where the magic happens.
''')
F('fu_school.txt', 'work.txt', 'sport and computers',
  'sport|gym|p.e|computer|computing|coding|programming|ict',
  '''
# good choice. that's useful and fun.
$what do you like best about it, [name]?
# i approve, especially of computers!
''')
F('fu_school.txt', 'work.txt', 'lunch and breaks',
  'lunch|break|home time|none|nothing|hate|don\'t like',
  '''
# ha! the best subject of all, some would say.
$not much of a school fan, then, [name]?
# everyone needs a break. what do you do instead?
''')

FOLLOW_NOTE['fu_joke.txt'] = 'After a joke and "want another one?".'
F('fu_joke.txt', 'small.txt', 'not funny',
  'not funny|bad joke|terrible|awful|groan|lame|no more|stop|boring',
  '''
# tough crowd! i'll work on my material.
$oh dear. do you know a better one, [name]?
# fair enough. my jokes are a bit like me: made of words and not much else.
''')
F('fu_joke.txt', 'small.txt', 'heard it before',
  'know|heard',
  '''
# oh, you've heard that one? i'll need new material!
$what's your favourite joke, [name]?
# the old ones are the best ones, though.
''')
FREF('fu_joke.txt', JOKE, 'another one', 'another|again|more|yes|yeah|go on|sure|please|ok')
F('fu_joke.txt', 'small.txt', 'no more jokes',
  'nope|no thanks|no,|no.|no!|no ',
  '''
# okay, no more jokes. for now!
$what shall we talk about instead, [name]?
# alright. you know where to find me if you need a laugh.
''')
F('fu_joke.txt', 'small.txt', 'laughing',
  'haha|lol|lmao|hehe|funny|good one|nice one|lovely',
  '''
# glad you liked it!
$do you know any jokes yourself, [name]?
# i have lots more where that came from.
''')

# --------------------------------------------------------------------------- preset files
FILE_NOTE['Preset2.txt'] = ('Preset2.txt: the name question.\n'
                            '0010: said when the user types the watch word "but" while Orvia asks for a name;\n'
                            '      [keyword] is Orvia\'s prefix and the word, "<orvia> but".\n'
                            '0013: the user answered the name question with several words.\n'
                            '0020 and up: the answers of preset1.txt; each asks for the name again.')
B('Preset2.txt', '0010', 'the watch word',
  '''
# [keyword] what? tell me your name first, and then i'm all yours.
$[keyword] nothing! first things first: what's your name?
# [keyword] me no buts! i'd still love to know your name.
$[keyword]...? go on, what should i call you?
''')
B('Preset2.txt', '0013', 'a name of several words',
  '''
# that's a lot of words for a name! just your first name, please?
$could you give me just your first name, one word?
# i'm a simple chatterbot: one word, your first name, and i'll remember it.
''')

P1('an empty answer', '{silence}', '0020', '''
# don't be shy! what's your name?
$cat got your tongue? what should i call you?
# you can just type your first name and press enter.
''')
P1('a name wrapped in a sentence', 'they call me|my name is|my name\'s|call me|i am|i\'m|it\'s|it is|this is', '0021', '''
$so it's [next]? type just the name on its own, please, and i'll remember it.
# almost! type only your first name, without the other words.
$lovely. could you type just the name by itself, so i can remember it?
''')
P1('why she asks', 'why|what for', '0022', '''
# so i know what to call you while we chat! what is it?
$it's nicer to chat with a name. what's yours?
# friends use names. what shall i call you?
''')
P1('a greeting instead of a name', 'hello|hi |hey |hiya|good morning|good evening|good afternoon', '0023', '''
# hello to you too! and your name is...?
$hi! what's your name?
# hello! before we start, what shall i call you?
''')
P1('refusing to say', 'not telling|won\'t tell|rather not|none of your business|secret|no way|no thanks|no,|no |nope|don\'t want|dont want', '0024', '''
# that's okay, a nickname works too. what shall i call you?
$no real name? then make one up! what should i call you?
# i'll keep it a secret, promise. just one word, any name you like.
''')
P1('asking about Orvia', 'your name|who are you|what are you|how are you|and you', '0025', '''
# i'm orvia, a chatterbot, and i'm very well, thank you! now, what's your name?
$i'm orvia! and what's your name?
# i'll tell you all about me in a minute. first, what's your name?
''')
P1('no name to give', 'anonymous|nobody|guess|dunno|don\'t know|dont know|idk|whatever|nothing|what', '0026', '''
# everyone has a name, even a made-up one. what shall i call you?
$how about a nickname, then? one word is enough.
# pick any name you like! what should i call you?
''')

FILE_NOTE['Preset3.txt'] = ('Preset3.txt: the start of a chat.\n'
                            '0002: the greeting; it asks for the user\'s name.\n'
                            '0001: the welcome once a one-word name is given; [name] is that name.')
B('Preset3.txt', '0002', 'greeting',
  '''
# hello! i'm orvia. what's your name?
$hi there, i'm orvia! what name shall i call you?
# hello, and welcome! i'm orvia. tell me your first name, so i know what to call you.
$hello! i'm orvia, and i love a good chat. what's your name?
''')
B('Preset3.txt', '0001', 'welcome',
  '''
# nice to meet you, [name]! how are you today?
$[name]! what a lovely name. how are you today?
# hello, [name]. i'm so glad you came to chat. how are you?
$welcome, [name]! how's your day going?
''', 'fu_howareyou.txt')

FILE_NOTE['Preset4.txt'] = ('Preset4.txt: 0001 answers when no keyword matches. Only [name] makes sense\n'
                            'here: there is no keyword to echo.')
B('Preset4.txt', '0001', 'fallbacks',
  '''
# tell me more, [name].
$what makes you say that?
# i see. go on.
$how do you feel about that?
# interesting! i'd like to hear more.
$what else is on your mind today?
# i'm not sure i follow. could you say it another way?
$is that something that matters a lot to you?
# i'm listening, [name].
$can you tell me a little more about it?
# that's new to me. explain it to a curious chatterbot?
$do you often think about that?
# hmm, let me think about that. what do you think?
$and how does that make you feel, [name]?
# oh? say more.
$why do you say that?
# i love learning new things. keep going!
$what would you like to talk about? music, films, your day, anything at all.
''')
